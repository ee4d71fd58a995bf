#pragma once

#include "config/profiles/AppProfile.h"
#include "engine/apps/IForegroundProcess.h"
#include "engine/apps/ProcessEntry.h"

#include <memory>

// Which application profile applies to a program: the first of the list whose executable path
// is the program's, or whose application code is of the program's family.
bool appProfileMatches(const AppProfile &profile, const ProcessEntry &process);

// The profile of `foreground` in `profiles`, or none.
const AppProfile *currentAppProfileEntry(const AppProfileList &profiles, const ProcessEntry &foreground);
AppProfile *currentAppProfileEntry(AppProfileList &profiles, const ProcessEntry &foreground);

// The same for the program in the foreground now: none when it cannot be told.
AppProfile *currentAppProfileEntry(const IForegroundProcess &detector, AppProfileList &profiles);
// Copies the profile into `profile` and returns true when there is one.
bool currentAppProfile(const IForegroundProcess &detector, const AppProfileList &profiles,
                       AppProfile &profile);

// The foreground program's profile within a snapshot, keeping the snapshot alive; empty when
// there is none. What the engine's worker uses.
std::shared_ptr<const AppProfile> currentAppProfile(const ProcessEntry &foreground,
                                                    const AppProfileSnapshot &profiles);
