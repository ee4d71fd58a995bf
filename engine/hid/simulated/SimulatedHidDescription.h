#pragma once

#include "engine/hid/simulated/SimulatedHidDevice.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

// The files of the simulated HID bus.
//
// Description (JSON): {"devices": [device, ...]}, each device an object with
//   "path" (text, required), "vendorId" and "productId" (required), "usagePage",
//   "inputReportLength", "outputReportLength" (numbers: JSON numbers, or texts "0x" and
//   hexadecimal digits; 0 when left out), "hardwareIds" (array of texts; left out: one id made
//   from the ids, "HID\VID_xxxx&PID_xxxx"), "indexedStrings" (object from index "0".."255" to a
//   text, sent as UTF-16 with its terminating zero, or to {"hex": "raw bytes"}),
//   "inputReports" (file of reports to replay) and "outputLog" (file that receives every output
//   report). Relative file names are taken from the description's folder.
//
// Report lines (replay file and output log): a number of milliseconds, then the bytes in
// hexadecimal, two digits each, separated by spaces (a run of pairs without spaces is accepted).
// In a replay the number is the delay since the previous report; in the output log the time
// since the device was first opened. Blank lines and lines starting with '#' are skipped.
class SimulatedHidDescription
{
public:
    struct Devices
    {
        std::vector<SimulatedHidDevice> devices;
        QString error; // empty when the description is sound
    };

    struct Reports
    {
        std::vector<SimulatedInputReport> reports;
        QString error;
    };

    // The devices of the description file at `path`; the error names the file.
    static Devices readFile(const QString &path);
    static Devices parse(const QByteArray &json, const QDir &folder);

    // `longest`, when not 0, is the most bytes a report may have.
    static Reports parseReportLines(const QByteArray &text, std::size_t longest = 0);
    static QByteArray formatReportLine(long long milliseconds,
                                       const std::vector<std::uint8_t> &bytes);

    // Bytes of a hexadecimal text; false with a reason for anything else, or for no bytes at all.
    static bool parseHexBytes(const QString &text, std::vector<std::uint8_t> &bytes,
                              QString &error);

    // An indexed string as a device sends text: UTF-16, little-endian, with a terminating zero.
    static std::vector<std::uint8_t> utf16String(const QString &text);
};
