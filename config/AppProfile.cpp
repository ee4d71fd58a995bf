#include "config/AppProfile.h"

#include <mutex>
#include <utility>

namespace {

struct ProfileState
{
    AppProfileList list;
    std::mutex snapshotMutex;
    AppProfileSnapshot snapshot = std::make_shared<const AppProfileList>();
};

// Made on first use, so that no static initialiser of another file can meet it unmade.
ProfileState &state()
{
    static ProfileState profiles;
    return profiles;
}

// The worker may drop the last reference to a snapshot, so it must hold nothing that only the
// GUI thread may destroy.
AppProfileList withoutIcons(const AppProfileList &profiles)
{
    AppProfileList copy = profiles;
    for (AppProfile &profile : copy)
        profile.icon = QIcon();
    return copy;
}

} // namespace

AppProfileList &appProfiles()
{
    return state().list;
}

void setAppProfiles(const AppProfileList &profiles)
{
    if (profiles.isSharedWith(state().list))
        return;
    state().list = profiles;
    publishAppProfiles();
}

void publishAppProfiles()
{
    AppProfileSnapshot snapshot =
            std::make_shared<const AppProfileList>(withoutIcons(state().list));
    // The old list is let go after the lock, so a reader never waits for its destruction.
    const std::lock_guard<std::mutex> lock(state().snapshotMutex);
    state().snapshot.swap(snapshot);
}

AppProfileSnapshot appProfilesSnapshot()
{
    const std::lock_guard<std::mutex> lock(state().snapshotMutex);
    return state().snapshot;
}
