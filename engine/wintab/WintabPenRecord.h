#pragma once

#include <cstdint>

// One processed pen packet as the pen handler hands it to the Wintab driver.
struct WintabPenRecord
{
    // Wintab position, 0..32767, after the conversion through the monitor list.
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint32_t pressure = 0;
    // Tilt after the rotation of the mapping.
    std::int32_t tiltX = 0;
    std::int32_t tiltY = 0;
    // 2 while the pen's second barrel button is held, else 0.
    std::uint16_t buttons = 0;
    // Pen packet status: 0xA1 tip down, 0xA0 hovering, 0xC0 out of proximity.
    std::uint16_t state = 0xC0;
    std::uint8_t eraser = 0;
    std::uint8_t ink = 0;
    // Normalised position, 0..32767, before the monitor conversion; for hosts recognised by
    // name.
    std::int32_t alternativeX = 0;
    std::int32_t alternativeY = 0;
};
