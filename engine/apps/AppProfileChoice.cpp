#include "engine/apps/AppProfileChoice.h"

#include "engine/apps/ApplicationCodes.h"

namespace {

int indexOfProfile(const AppProfileList &profiles, const ProcessEntry &foreground)
{
    for (int i = 0; i < profiles.size(); ++i) {
        if (appProfileMatches(profiles.at(i), foreground))
            return i;
    }
    return -1;
}

} // namespace

bool appProfileMatches(const AppProfile &profile, const ProcessEntry &process)
{
    if (profile.path == process.path)
        return true;
    ProcessEntry recorded;
    recorded.name = profile.name;
    recorded.path = profile.path;
    return sameApplicationFamily(applicationCodeOf(process), applicationCodeOf(recorded));
}

const AppProfile *currentAppProfileEntry(const AppProfileList &profiles, const ProcessEntry &foreground)
{
    const int index = indexOfProfile(profiles, foreground);
    return index < 0 ? nullptr : &profiles.at(index);
}

AppProfile *currentAppProfileEntry(AppProfileList &profiles, const ProcessEntry &foreground)
{
    const int index = indexOfProfile(profiles, foreground);
    return index < 0 ? nullptr : &profiles[index];
}

AppProfile *currentAppProfileEntry(const IForegroundProcess &detector, AppProfileList &profiles)
{
    ProcessEntry foreground;
    if (!detector.foregroundProcess(foreground))
        return nullptr;
    return currentAppProfileEntry(profiles, foreground);
}

bool currentAppProfile(const IForegroundProcess &detector, const AppProfileList &profiles,
                       AppProfile &profile)
{
    ProcessEntry foreground;
    if (!detector.foregroundProcess(foreground))
        return false;
    const AppProfile *found = currentAppProfileEntry(profiles, foreground);
    if (!found)
        return false;
    profile = *found;
    return true;
}

std::shared_ptr<const AppProfile> currentAppProfile(const ProcessEntry &foreground,
                                                    const AppProfileSnapshot &profiles)
{
    if (!profiles)
        return {};
    const AppProfile *found = currentAppProfileEntry(*profiles, foreground);
    if (!found)
        return {};
    return std::shared_ptr<const AppProfile>(profiles, found);
}
