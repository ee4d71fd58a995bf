#pragma once

#include <QString>

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Records of the simulated HID bus: what one device is, what it sends and what was written to it.

// One input report of a replay: sent `delay` after the previous one (the first one after the
// first read from the device).
struct SimulatedInputReport
{
    std::chrono::milliseconds delay{0};
    std::vector<std::uint8_t> bytes;
};

struct SimulatedOutputReport
{
    std::chrono::milliseconds sinceOpen{0}; // since the device was first opened
    std::chrono::steady_clock::time_point writtenAt;
    std::vector<std::uint8_t> bytes;
};

struct SimulatedHidDevice
{
    std::string path;
    std::vector<std::string> hardwareIds; // none: enumeration skips the device
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t usagePage = 0;
    std::uint16_t inputReportLength = 0;  // 0: reports are delivered as fed
    std::uint16_t outputReportLength = 0; // 0: writes of any length are accepted
    // Raw bytes by index.
    std::map<std::uint32_t, std::vector<std::uint8_t>> indexedStrings;
    // Replayed once, from the first read on.
    std::vector<SimulatedInputReport> inputReports;
    // Empty: output reports are only kept in memory.
    QString outputLogPath;
};
