#pragma once

#include "config/TabletPacket.h"
#include "engine/device/TabletDeviceInfo.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// Turns one HID input report of the tablet into at most one packet. Pure functions of the
// report bytes (report id at offset 0) and the identity of the device that sent them; an empty
// pointer means the report is dropped.
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

std::shared_ptr<TabletPacket> decodeReport(const std::uint8_t *report, std::size_t size,
                                           const TabletDeviceInfo &device);

// coordinateWidth: bytes per coordinate, 1 to 3.
std::shared_ptr<TabletPenPacket> decodePenReport(const std::uint8_t *report, std::size_t size,
                                                 std::uint16_t coordinateWidth);

// A key packet, a dial packet or nothing.
std::shared_ptr<TabletPacket> decodeKeyReport(const std::uint8_t *report, std::size_t size,
                                              const TabletDeviceInfo &device);

std::shared_ptr<TabletTouchPacket> decodeTouchReport(const std::uint8_t *report,
                                                     std::size_t size);

} // namespace ReportDecoder
