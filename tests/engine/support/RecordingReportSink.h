#pragma once

#include "engine/output/IHidReportSink.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

// A report sink that keeps every report written to it; `opens` and `writes` say whether opening
// and writing succeed.
class RecordingReportSink : public IHidReportSink
{
public:
    bool open() override
    {
        ++openCalls;
        return opens;
    }

    bool writeReport(const std::uint8_t *data, std::size_t size) override
    {
        reports.emplace_back(data, data + size);
        return writes;
    }

    bool opens = true;
    bool writes = true;
    int openCalls = 0;
    std::vector<std::vector<std::uint8_t>> reports;
};

// A 65-byte report that starts with `leading` and is zero after it.
inline std::vector<std::uint8_t> zeroPaddedReport(std::initializer_list<std::uint8_t> leading)
{
    std::vector<std::uint8_t> report(leading);
    report.resize(HidOutputReportSize, 0);
    return report;
}

inline std::vector<std::uint8_t> bytesOf(const HidOutputReport &report)
{
    return std::vector<std::uint8_t>(report.begin(), report.end());
}
