#pragma once

#include "engine/device/TabletDeviceInfo.h"

#include <cstdint>

// What the pen step needs to know of the current tablet.
struct PenDeviceLimits
{
    std::uint32_t maximumX = 0;
    std::uint32_t maximumY = 0;
    // 8191 or 16383 in practice.
    std::uint16_t maximumPressure = 0;
    // The device has a screen of its own.
    bool penDisplay = false;

    static PenDeviceLimits fromDeviceInfo(const TabletDeviceInfo &info)
    {
        return {info.maximumX, info.maximumY, info.maximumPressure, info.penDisplay};
    }
};
