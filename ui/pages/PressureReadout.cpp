#include "ui/pages/PressureReadout.h"

#include <algorithm>

std::uint16_t PressureReadout::deviceValue(std::uint16_t pressure, std::uint16_t pressureMaximum)
{
    if (pressure == 0 || pressureMaximum != kFineScaleMaximum)
        return pressure;
    const std::uint32_t doubled = 2u * pressure + (pressure & 1u);
    return std::uint16_t(std::min<std::uint32_t>(doubled, kFineScaleMaximum));
}

int PressureReadout::percentOf(std::uint16_t value, std::uint16_t pressureMaximum)
{
    if (pressureMaximum == 0)
        return 0;
    return int(double(value) / pressureMaximum * 100.0);
}

bool PressureReadout::take(std::uint16_t pressure, std::uint16_t pressureMaximum, std::int64_t now,
                           Display &display)
{
    const std::uint16_t value = deviceValue(pressure, pressureMaximum);
    if (!started) {
        started = true;
        lastValue = value;
        lastUpdate = now;
    }
    bool due = false;
    if (now - lastUpdate >= kInterval || (value == 0 && lastValue != 0)) {
        lastUpdate = now;
        due = true;
    }
    const bool shown = due && !(value == 0 && lastValue == 0);
    lastValue = value;
    if (shown)
        display = {percentOf(value, pressureMaximum), value};
    return shown;
}
