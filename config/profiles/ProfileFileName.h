#pragma once

#include "config/profiles/AppProfile.h"

#include <QString>
#include <QStringList>

// The names of the profile files. A profile's name is what the user or a program chose; the file
// name made from it must stay inside the profile folder and be valid on Windows.
namespace ProfileFileName {

// The name without extension: characters that Windows forbids and control characters become
// "_", white space and dots at either end are dropped, a reserved device name (CON, NUL, COM1...)
// gets a leading "_", overlong names are cut, and an empty result becomes "Application".
QString fromName(const QString &name);

// One file name per profile, in list order, unique within the list whatever the case. A profile
// keeps its file (AppProfile::fileName) unless an earlier one keeps the same; any other gets
// fromName + ".xml", numbered " (2)", " (3)"... past the names kept in the list and those of
// `existingFiles`, so that no file is written with another profile's content.
QStringList forProfiles(const AppProfileList &profiles, const QStringList &existingFiles = {});

} // namespace ProfileFileName
