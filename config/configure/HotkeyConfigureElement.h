#pragma once

#include "config/configure/TabletConfigure.h"

#include <QDomDocument>
#include <QDomElement>

// The Hotkey element under Tablet: feature, app and dial-sensitivity attributes with the Key,
// Dial and Touch bindings.

// Fills the record from the element; attributes that are missing leave their fields as they were.
void readHotkeyConfigure(const QDomElement &hotkey, HotkeyConfigure &configure);
// Appends a Hotkey element under parent and returns it.
QDomElement writeHotkeyConfigure(QDomDocument &document, const HotkeyConfigure &configure,
                                 QDomElement &parent);
