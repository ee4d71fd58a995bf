#pragma once

#include "config/configure/TabletConfigure.h"
#include "config/profiles/AppProfile.h"
#include "engine/actions/ControlBinding.h"

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

    // The binding of a control in the maps chosen above.
    ControlBinding penButton(std::uint16_t number) const;
    ControlBinding key(bool isVirtual, std::uint16_t number) const;
    // A dial step: direction 1 runs the pair's first action, any other its second.
    ControlBinding dialStep(std::uint16_t dial, std::uint32_t pair, std::uint32_t direction) const;
    ControlBinding touch(std::uint16_t position) const;

private:
    static ControlBinding bindingIn(const AppProfile *profile, ControlBinding::Control control,
                                    std::uint16_t number, std::uint32_t pair = 0);

    const TabletConfigure &configure;
    const AppProfile *penProfile;
    const AppProfile *hotkeyProfile;
};
