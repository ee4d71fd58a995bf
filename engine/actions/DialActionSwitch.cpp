#include "engine/actions/DialActionSwitch.h"

#include "engine/apps/AppProfileChoice.h"

DialActionSwitch::Outcome DialActionSwitch::advance(TabletConfigure &configure, AppProfileList &profiles,
                                                    const ProcessEntry *foreground, std::uint16_t dial)
{
    AppProfile *profile = nullptr;
    if (configure.hotkey.appHotkeys && foreground)
        profile = currentAppProfileEntry(profiles, *foreground);
    auto &dials = profile ? profile->dials : configure.hotkey.dials;

    Outcome outcome;
    const auto entry = dials.find(dial);
    if (entry == dials.end())
        return outcome;
    outcome.found = true;
    outcome.inProfile = profile != nullptr;
    DialConfigure &bound = entry->second;
    if (bound.pairs.empty()) {
        bound.index = 0;
        return outcome;
    }
    bound.index = std::uint16_t((std::size_t(bound.index) + 1) % bound.pairs.size());
    outcome.pair = bound.pairs[bound.index];
    return outcome;
}
