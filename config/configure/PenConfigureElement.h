#pragma once

#include "config/configure/TabletConfigure.h"

#include <QDomDocument>
#include <QDomElement>

// The Pen element of a configuration file: Hotkey(app) > Button*, Curve(param, enable) and
// Pointer(ink, relative, step, gamesupport, capacity).

// Fills the record from the element; attributes and children that are missing leave their
// fields as they were.
void readPenConfigure(const QDomElement &pen, PenConfigure &configure);
// Appends a Pen element under parent and returns it.
QDomElement writePenConfigure(QDomDocument &document, const PenConfigure &configure,
                              QDomElement &parent);
