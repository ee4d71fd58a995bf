#pragma once

#include "config/configure/TabletConfigure.h"

#include <QDomDocument>
#include <QDomElement>

// The Mapping element under Tablet: Screen(index, part, kx, ky, kcx, kcy) > Identify and
// Addition, and Work(part, rotation). Addition is written for other readers but never read back.

// Fills the record from the element; attributes that are missing leave their fields as they were.
void readMappingConfigure(const QDomElement &mapping, MappingConfigure &configure);
// Appends a Mapping element under parent and returns it.
QDomElement writeMappingConfigure(QDomDocument &document, const MappingConfigure &configure,
                                  QDomElement &parent);
