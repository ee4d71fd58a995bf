#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Every output report of the virtual HID device has this size and report id; the byte after the
// id says which kind of report it is.
constexpr std::size_t HidOutputReportSize = 65;
constexpr std::uint8_t HidOutputReportId = 9;

using HidOutputReport = std::array<std::uint8_t, HidOutputReportSize>;

// Where the output drivers put their reports: the virtual HID device on Windows, a recorder in
// tests. Each driver has a sink of its own.
class IHidReportSink
{
public:
    virtual ~IHidReportSink() = default;

    // Connects to the device; true when reports can be written from now on.
    virtual bool open() = 0;

    // True when the whole report was written in time.
    virtual bool writeReport(const std::uint8_t *data, std::size_t size) = 0;
};
