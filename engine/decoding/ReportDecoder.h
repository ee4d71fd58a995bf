#pragma once

#include "config/packets/TabletPacket.h"
#include "engine/decoding/DecodedPacket.h"
#include "engine/device/TabletDeviceInfo.h"

#include <cstddef>
#include <cstdint>

// Turns one HID input report of the tablet into at most one packet. Pure functions of the
// report bytes (report id at offset 0) and the identity of the device that sent them; an empty
// packet means the report is dropped. Nothing here allocates: reports are decoded on the read
// threads, once per report.
namespace ReportDecoder {

enum ReportKind : std::uint8_t {
    PenReport = 0x41,
    KeyReport = 0x42,
    TouchReport = 0x43,
};

enum KeyReportKind : std::uint8_t {
    ExpressKeys = 1,
    VirtualKeys = 2,
    DialRotation = 3,
};

constexpr std::uint8_t kReportId = 9;
constexpr std::size_t kMinimumReportSize = 9;

DecodedPacket decodeReport(const std::uint8_t *report, std::size_t size,
                           const TabletDeviceInfo &device);

// A pen packet or nothing; coordinateWidth: bytes per coordinate, 1 to 3.
DecodedPacket decodePenReport(const std::uint8_t *report, std::size_t size,
                              std::uint16_t coordinateWidth);

// A key packet, a dial packet or nothing.
DecodedPacket decodeKeyReport(const std::uint8_t *report, std::size_t size,
                              const TabletDeviceInfo &device);

// A touch packet or nothing.
DecodedPacket decodeTouchReport(const std::uint8_t *report, std::size_t size);

} // namespace ReportDecoder
