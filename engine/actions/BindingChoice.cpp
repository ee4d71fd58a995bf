#include "engine/actions/BindingChoice.h"

BindingChoice::BindingChoice(const TabletConfigure &configure, const AppProfile *profile)
    : configure(configure),
      penProfile(configure.pen.appHotkeys ? profile : nullptr),
      hotkeyProfile(configure.hotkey.appHotkeys ? profile : nullptr)
{
}

const ActionMap &BindingChoice::penButtons() const
{
    return penProfile ? penProfile->buttons : configure.pen.buttons;
}

const ActionMap &BindingChoice::keys(bool isVirtual) const
{
    if (hotkeyProfile)
        return isVirtual ? hotkeyProfile->virtualKeys : hotkeyProfile->keys;
    return isVirtual ? configure.hotkey.virtualKeys : configure.hotkey.keys;
}

const BindingChoice::DialMap &BindingChoice::dials() const
{
    return hotkeyProfile ? hotkeyProfile->dials : configure.hotkey.dials;
}

const ActionMap &BindingChoice::touches() const
{
    return hotkeyProfile ? hotkeyProfile->touches : configure.hotkey.touches;
}

TabletActionPtr BindingChoice::find(const ActionMap &map, std::uint16_t number)
{
    const auto found = map.find(number);
    return found == map.end() ? TabletActionPtr() : found->second;
}
