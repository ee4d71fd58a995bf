#pragma once

#include <QString>

#include <cstdint>
#include <tuple>

// Which binding an action ran from: the map it was found in (the configuration's, or an
// application profile's) and the control within it. Actions that keep state between presses
// keep it under this key rather than on the action object, so the state survives a
// configuration handed over again with new action objects, and two controls bound to equal
// actions keep apart.
struct ControlBinding
{
    enum class Control : std::uint8_t {
        None, // run directly, not by a control
        PenButton,
        Key,
        VirtualKey,
        DialForward,
        DialBackward,
        Touch,
    };

    // The application profile's name; empty for the configuration's map.
    QString profile;
    bool fromProfile = false;
    Control control = Control::None;
    // The button, key, dial or touch position number.
    std::uint16_t number = 0;
    // For a dial, the index of its action pair.
    std::uint32_t pair = 0;

    bool operator<(const ControlBinding &other) const
    {
        return std::tie(fromProfile, profile, control, number, pair)
                < std::tie(other.fromProfile, other.profile, other.control, other.number, other.pair);
    }
};
