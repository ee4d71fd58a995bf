#pragma once

#include "config/profiles/AppProfile.h"

#include <QDomDocument>
#include <QString>

// The file of one application profile: root Application(name, path) with one child, Hotkey,
// holding the Button, Key, Dial and Touch bindings.

// Fills the profile from the document; false, with the profile as it was, when the root holds no
// child element. The root's own name is not compared.
bool readAppProfileDocument(const QDomDocument &document, AppProfile &profile);
// Reads the file at path; false when it cannot be read, is not XML or holds no bindings element.
bool readAppProfile(const QString &path, AppProfile &profile);
// The whole file of the profile (the icon is not stored).
QDomDocument appProfileDocument(const AppProfile &profile);
