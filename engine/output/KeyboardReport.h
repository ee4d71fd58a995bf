#pragma once

#include "engine/output/IHidReportSink.h"
#include "engine/output/KeyboardEvent.h"

#include <cstdint>

// The keyboard output report and the sticky modifier state that modifier-only events leave
// behind for the key presses that follow them.
class KeyboardReport
{
public:
    static constexpr std::uint8_t SubType = 9;

    // Modifier bits as the report carries them (not as `KeyboardEvent` numbers them).
    enum ModifierBit : std::uint8_t {
        Ctrl = 0x01,
        Shift = 0x02,
        Alt = 0x04,
        Win = 0x08,
    };

    static std::uint8_t modifierBits(std::uint32_t eventModifiers);

    // The sticky state after `event`: a modifier-only press sets its modifiers, a modifier-only
    // release clears them; any other event leaves the state as it was.
    static std::uint8_t stickyAfter(std::uint8_t sticky, const KeyboardEvent &event);

    // A press carries its keys and modifiers, or the sticky ones when it has none of its own; a
    // release carries nothing, so that one release lets go of every key.
    static HidOutputReport build(const KeyboardEvent &event, std::uint8_t sticky);
};
