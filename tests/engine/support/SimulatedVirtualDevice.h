#pragma once

#include "engine/hid/simulated/SimulatedHidDevice.h"

#include <cstdint>
#include <string>
#include <vector>

// The virtual HID device as it appears on the simulated bus, ready to be varied by a test.
constexpr std::uint16_t kTestVendorId = 0x5A4C;
const std::string kVirtualDevicePath = "\\\\?\\hid#qz_virtual_tablet&col01#1&2f3c&0#{4d1e55b2}";

inline SimulatedHidDevice simulatedVirtualDevice(const std::string &path = kVirtualDevicePath)
{
    SimulatedHidDevice device;
    device.path = path;
    device.hardwareIds = {"HID\\QZ_VIRTUAL_TABLET&Col01"};
    device.vendorId = kTestVendorId;
    device.productId = 0xFFFE;
    device.usagePage = 0xFF00;
    device.inputReportLength = 65;
    device.outputReportLength = 65;
    return device;
}

inline std::vector<std::uint8_t> writtenBytes(const std::vector<SimulatedOutputReport> &reports,
                                              std::size_t index)
{
    return index < reports.size() ? reports[index].bytes : std::vector<std::uint8_t>();
}
