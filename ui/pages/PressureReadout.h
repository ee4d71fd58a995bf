#pragma once

#include <cstdint>

// The pen page's live pressure: what to show for each pen packet, at most every 25 ms, at once
// when the pen lets go, and not again while it stays off.
class PressureReadout
{
public:
    static constexpr std::int64_t kInterval = 25;
    static constexpr std::uint16_t kFineScaleMaximum = 16383;

    struct Display
    {
        int percent = 0;
        std::uint16_t value = 0;
    };

    // Takes the processed pressure of a packet of a device whose pressure reaches
    // `pressureMaximum`, at `now` milliseconds. True when the display is due; `display` then
    // holds what it shows.
    bool take(std::uint16_t pressure, std::uint16_t pressureMaximum, std::int64_t now, Display &display);

    // The processed pressure on the device's own scale: a 16383-level device reports on the
    // engine's 8191 scale, doubled back here. Percent of the device's maximum, 0 for a device
    // without pressure.
    static std::uint16_t deviceValue(std::uint16_t pressure, std::uint16_t pressureMaximum);
    static int percentOf(std::uint16_t value, std::uint16_t pressureMaximum);

private:
    bool started = false;
    std::uint16_t lastValue = 0;
    std::int64_t lastUpdate = 0;
};
