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

ControlBinding BindingChoice::penButton(std::uint16_t number) const
{
    return bindingIn(penProfile, ControlBinding::Control::PenButton, number);
}

ControlBinding BindingChoice::key(bool isVirtual, std::uint16_t number) const
{
    return bindingIn(hotkeyProfile, isVirtual ? ControlBinding::Control::VirtualKey : ControlBinding::Control::Key,
                     number);
}

ControlBinding BindingChoice::dialStep(std::uint16_t dial, std::uint32_t pair, std::uint32_t direction) const
{
    return bindingIn(hotkeyProfile,
                     direction == 1 ? ControlBinding::Control::DialForward : ControlBinding::Control::DialBackward,
                     dial, pair);
}

ControlBinding BindingChoice::touch(std::uint16_t position) const
{
    return bindingIn(hotkeyProfile, ControlBinding::Control::Touch, position);
}

ControlBinding BindingChoice::bindingIn(const AppProfile *profile, ControlBinding::Control control,
                                        std::uint16_t number, std::uint32_t pair)
{
    ControlBinding binding;
    binding.fromProfile = profile != nullptr;
    binding.profile = profile ? profile->name : QString();
    binding.control = control;
    binding.number = number;
    binding.pair = pair;
    return binding;
}
