#pragma once

#include "config/configure/TabletConfigure.h"

#include <QDomDocument>
#include <QString>

// The configuration file of one model (root "Configure"): the Pen element and the Tablet element
// with its Hotkey and Mapping. The common settings live in their own file.

// A new configuration read from the document; empty when its root element is not Configure.
TabletConfigurePtr readConfigureDocument(const QDomDocument &document);
// The whole file of the configuration, written as format version 3.
QDomDocument configureDocument(const TabletConfigure &configure);

// A new configuration read from the file at path (a resource path works too); empty when the file
// cannot be read, is not XML (an empty or cut-short file included) or has another root. When
// commonPath is not empty, the common settings file there is read into `common` as well; a
// missing or broken common file leaves `common` at its defaults.
TabletConfigurePtr readConfigureFile(const QString &path, const QString &commonPath);
