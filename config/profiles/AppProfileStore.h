#pragma once

#include "config/profiles/AppProfile.h"

#include <QIcon>
#include <QString>

#include <functional>

// The profile folder: one file per application profile. GUI thread only.

// The icon of an executable, given its path; the program passes the system's file icon provider.
using AppIconProvider = std::function<QIcon(const QString &executablePath)>;

// A new list read from the profile folder's "*.xml" files in file-name order. A file that cannot
// be read, or whose executable no longer exists, is left out (its file stays until the next
// save). Each profile takes its icon from iconFor; without one the icons stay null. The caller
// hands the list to setAppProfiles.
AppProfileList loadAppProfiles(const AppIconProvider &iconFor = {});
AppProfileList loadAppProfilesFrom(const QString &folder, const AppIconProvider &iconFor = {});

// Rewrites the profile folder from the process-wide list. Every profile file is written whole
// first (names from ProfileFileName), and only then are the folder's other "*.xml" files deleted,
// so a failure part-way leaves every old profile in place. True when everything was written and
// every stale file removed.
bool saveAppProfiles();
bool saveAppProfilesTo(const AppProfileList &profiles, const QString &folder);
