#pragma once

#include "config/packets/PointerEvent.h"
#include "engine/output/IHidReportSink.h"

#include <cstdint>

// The three pointer output reports: pen, absolute mouse and relative mouse. `mode` is the
// button state that mouse actions hold (0 none, 1 primary, 2 middle, 3 secondary).
class PointerReport
{
public:
    enum SubType : std::uint8_t {
        RelativeMouseReport = 5,
        AbsoluteMouseReport = 7,
        PenReport = 10,
    };

    enum PenStatus : std::uint8_t {
        Tip = 0x01,
        Eraser = 0x04,
        ErasingContact = 0x08,
        InRange = 0x20,
        Leaving = 0xC0,
    };

    enum MouseButtonBit : std::uint8_t {
        PrimaryButton = 1,
        SecondaryButton = 2,
        MiddleButton = 4,
    };

    static constexpr std::uint16_t PressureMask = 0x1FFF;

    struct MouseButtons
    {
        std::uint8_t buttons = 0;
        std::int8_t wheel = 0;
    };

    static HidOutputReport pen(const DigitizerPointerEvent &event, int mode);
    static HidOutputReport absoluteMouse(const MousePointerEvent &event, int mode,
                                         bool buttonsSwapped);
    static HidOutputReport relativeMouse(const MousePointerEvent &event, int mode,
                                         bool buttonsSwapped);

    // Buttons and wheel of a button code (1 left, 2 middle, 3 right, 4 wheel up, 5 wheel down).
    static MouseButtons mouseButtons(std::uint32_t buttonCode, bool buttonsSwapped);

    // A relative event carries its motion as a two's-complement value; a report holds one byte.
    static std::int8_t relativeMotion(std::uint32_t motion);
};
