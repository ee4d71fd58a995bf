#pragma once

#include "config/AppProfile.h"
#include "config/TabletConfigure.h"

#include <cstdint>
#include <map>

// Where the action of a control is looked up: the configuration's map, or the whole map of the
// foreground application's profile when one applies (it replaces the configuration's map even
// for controls that it leaves unbound).
class BindingChoice
{
public:
    using DialMap = std::map<std::uint16_t, DialConfigure>;

    // `profile` is the foreground application's profile, or null; it is only used when the
    // configuration's per-application option of that control kind is on.
    BindingChoice(const TabletConfigure &configure, const AppProfile *profile);

    const ActionMap &penButtons() const;
    const ActionMap &keys(bool isVirtual) const;
    const DialMap &dials() const;
    const ActionMap &touches() const;

    // The bound action of `number`, or empty.
    static TabletActionPtr find(const ActionMap &map, std::uint16_t number);

private:
    const TabletConfigure &configure;
    const AppProfile *penProfile;
    const AppProfile *hotkeyProfile;
};
