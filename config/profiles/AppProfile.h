#pragma once

#include "config/configure/TabletConfigure.h"

#include <QIcon>
#include <QString>
#include <QVector>

#include <cstdint>
#include <map>
#include <memory>

// The bindings that apply while one drawing application is in the foreground.
struct AppProfile
{
    // The application's name; also the profile's file name.
    QString name;
    // Full path of the application's executable.
    QString path;
    // The executable's icon; not stored in the file.
    QIcon icon;
    // The file of the profile folder that holds this profile, once it was read from or written to
    // one; the profile store sets it and writes no other profile into that file.
    QString fileName;
    ActionMap buttons;
    ActionMap keys;
    ActionMap virtualKeys;
    std::map<std::uint16_t, DialConfigure> dials;
    ActionMap touches;
};

using AppProfileList = QVector<AppProfile>;
// A list that no one changes any more: what the engine worker reads.
using AppProfileSnapshot = std::shared_ptr<const AppProfileList>;

// The process-wide profile list. The GUI thread reads and replaces it; every replacement also
// publishes a new snapshot, which other threads take instead of touching the list.
// GUI code edits a copy of the list and hands it to setAppProfiles; a change made in place
// through appProfiles() reaches other threads only after publishAppProfiles.
AppProfileList &appProfiles();
// Does nothing when `profiles` already shares the list's data.
void setAppProfiles(const AppProfileList &profiles);
// Publishes the list as it is now.
void publishAppProfiles();
// The list as of the last replacement; never null. Safe from any thread. Its profiles carry no
// icon (icons belong to the GUI thread) and share no action with the list.
AppProfileSnapshot appProfilesSnapshot();
