#include "ui/pages/DialogTarget.h"

#include "config/profiles/AppProfile.h"

DialogTarget DialogTarget::current(int profileIndex)
{
    DialogTarget target;
    target.configure = currentConfigure();
    const AppProfileList &profiles = appProfiles();
    if (profileIndex >= 0 && profileIndex < profiles.size()) {
        const AppProfile &profile = profiles.at(profileIndex);
        target.profileIndex = profileIndex;
        target.profileName = profile.name;
        target.profilePath = profile.path;
    }
    return target;
}

bool DialogTarget::operator==(const DialogTarget &other) const
{
    return configure == other.configure && profileIndex == other.profileIndex && profileName == other.profileName
            && profilePath == other.profilePath;
}
