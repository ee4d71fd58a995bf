#pragma once

#include "config/profiles/AppProfile.h"

#include <QIcon>
#include <QString>
#include <QStringList>

#include <functional>

// The profile folder: one file per application profile. GUI thread only.

// The icon of an executable, given its path; the program passes the system's file icon provider.
using AppIconProvider = std::function<QIcon(const QString &executablePath)>;

// A new list read from the profile folder's "*.xml" files in file-name order, each profile with
// the name of the file it came from. A file that cannot be read, or whose executable no longer
// exists, is left out (its file stays until the next save). Each profile takes its icon from
// iconFor; without one the icons stay null. The caller hands the list to setAppProfiles.
AppProfileList loadAppProfiles(const AppIconProvider &iconFor = {});
AppProfileList loadAppProfilesFrom(const QString &folder, const AppIconProvider &iconFor = {});

// Rewrites the profile folder from the process-wide list, whose profiles then know their files.
// Each profile is written whole into its own file (ProfileFileName::forProfiles: the file it came
// from, or a name that no other profile and no file of the folder has), and only then are the
// folder's other "*.xml" files deleted. So a failure part-way leaves every old profile file in
// place, holding its own profile, old or new. True when everything was written and every stale
// file removed.
bool saveAppProfiles();
// fileNames (when given) gets the file of each profile written, in list order: fewer names than
// profiles when a write failed.
bool saveAppProfilesTo(const AppProfileList &profiles, const QString &folder,
                       QStringList *fileNames = nullptr);
