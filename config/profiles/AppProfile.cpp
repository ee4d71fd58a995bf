#include "config/profiles/AppProfile.h"

#include "config/configure/ConfigureCopy.h"

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

void cloneEach(ActionMap &bindings)
{
    for (auto &entry : bindings)
        entry.second = cloneAction(entry.second);
}

// Bindings without an action and dial pairs keep their places, so a dial's index still names the
// same pair.
void cloneBindings(AppProfile &profile)
{
    for (ActionMap *bindings : {&profile.buttons, &profile.keys, &profile.virtualKeys, &profile.touches})
        cloneEach(*bindings);
    for (auto &dial : profile.dials) {
        for (ActionPair &pair : dial.second.pairs)
            pair = ActionPair(cloneAction(pair.first), cloneAction(pair.second));
    }
}

// What the worker reads shares no action with the list that the pages edit. The worker may also
// drop the last reference to a snapshot, so it holds nothing that only the GUI thread may
// destroy.
AppProfileList engineCopy(const AppProfileList &profiles)
{
    AppProfileList copy = profiles;
    for (AppProfile &profile : copy) {
        profile.icon = QIcon();
        cloneBindings(profile);
    }
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
            std::make_shared<const AppProfileList>(engineCopy(state().list));
    // The old list is let go after the lock, so a reader never waits for its destruction.
    const std::lock_guard<std::mutex> lock(state().snapshotMutex);
    state().snapshot.swap(snapshot);
}

AppProfileSnapshot appProfilesSnapshot()
{
    const std::lock_guard<std::mutex> lock(state().snapshotMutex);
    return state().snapshot;
}
