#pragma once

// A tablet interface on the simulated HID bus, as the engine's tests plug it in.
#include "engine/hid/simulated/SimulatedHidDescription.h"
#include "engine/hid/simulated/SimulatedHidDevice.h"

#include <cstdint>
#include <string>
#include <vector>

struct SimulatedTabletOptions
{
    std::uint16_t productId = 0x0064;
    std::uint8_t keys = 6;
    std::uint8_t valueD = 0; // nonzero: the tablet has a dial-report mode
    std::uint8_t valueC = 0;
    std::uint8_t coordinateWidth = 2; // 2 or 3 bytes per coordinate in pen reports
};

// Maxima 30480 x 20320, pressure 8191, 13-byte reports in and out.
inline SimulatedHidDevice simulatedTablet(const std::string &path, const char *product,
                                          const SimulatedTabletOptions &options = {})
{
    SimulatedHidDevice device;
    device.path = path;
    device.hardwareIds = {"HID\\VID_5A4C&PID_0064&MI_02"};
    device.vendorId = 0x5A4C;
    device.productId = options.productId;
    device.usagePage = 0xFF0A;
    device.inputReportLength = 13;
    device.outputReportLength = 13;
    device.indexedStrings[2] = SimulatedHidDescription::utf16String(QString::fromLatin1(product));
    device.indexedStrings[3] = SimulatedHidDescription::utf16String(QStringLiteral("QZP6_V1.02"));
    std::vector<std::uint8_t> block = {0x10, 0x77, 0x60, 0x4f, 0xff, 0x1f, 0xd8, 0x13, 0x02,
                                       options.keys, options.valueD, 0x00, options.valueC};
    const bool wide = options.coordinateWidth == 3;
    if (wide) {
        block.insert(block.begin() + 4, 0x00); // the high byte of the maximum y
        block.insert(block.begin() + 2, 0x00); // the high byte of the maximum x
    }
    block.resize(64, 0);
    device.indexedStrings[20] = block;
    device.indexedStrings[22] = {0x02, 0x00, std::uint8_t(wide ? 1 : 0), 0x00};
    device.indexedStrings[23] = SimulatedHidDescription::utf16String(QStringLiteral("QZP6-A"));
    return device;
}
