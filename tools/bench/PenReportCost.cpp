// Cost of one pen report on the engine's worker path: decoding the tablet's input report,
// shaping its pressure, mapping it onto the desktop and building the virtual device's report.
#include "config/configure/TabletConfigure.h"
#include "engine/decoding/ReportDecoder.h"
#include "engine/output/PointerDriver.h"
#include "engine/pen/PenHandler.h"
#include "engine/pen/PenPressure.h"
#include "engine/pen/PressureTable.h"

#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

namespace {

constexpr std::size_t kReportSize = 13;
constexpr int kStrokeLength = 1024;

TabletDeviceInfo penTablet()
{
    TabletDeviceInfo info;
    info.product = "QZ-Pen 6";
    info.coordinateWidth = 2;
    info.maximumX = 30480;
    info.maximumY = 20320;
    info.maximumPressure = 8191;
    info.keyCount = 6;
    return info;
}

TabletConfigure wholeDesktop()
{
    TabletConfigure configure;
    configure.mapping.absRect = QRect(0, 0, 1920, 1080);
    configure.mapping.part = QRect(0, 0, 1920, 1080);
    configure.mapping.desktopSize = QSize(1920, 1080);
    return configure;
}

// A stroke of touching pen reports across the tablet, pressure rising and falling.
std::vector<std::array<std::uint8_t, kReportSize>> stroke()
{
    std::vector<std::array<std::uint8_t, kReportSize>> reports(kStrokeLength);
    for (int i = 0; i < kStrokeLength; ++i) {
        const auto x = std::uint16_t(1000 + 27 * i);
        const auto y = std::uint16_t(5000 + 9 * i);
        const auto pressure = std::uint16_t(i < kStrokeLength / 2 ? 8 * i + 100 : 8 * (kStrokeLength - i) + 100);
        reports[std::size_t(i)] = {9, 0x41, 0xA1, std::uint8_t(x), std::uint8_t(x >> 8), std::uint8_t(y),
                                   std::uint8_t(y >> 8), std::uint8_t(pressure), std::uint8_t(pressure >> 8),
                                   0, 0, 10, 0xFB};
    }
    return reports;
}

struct Pipeline
{
    Pipeline()
    {
        pressureCurveTable(configure.pen.curve.middle, configure.pen.curve.end, configured);
        context.takeToolChange = [this] { return toolChange.exchange(false); };
        outputs.sendPointer = [this](const std::shared_ptr<PointerEvent> &event) {
            const auto report = PointerDriver::reportFor(*event, 0, false);
            benchmark::DoNotOptimize(report);
        };
    }

    // The worker's path for one report, with the tables of the configuration in use.
    void handle(const std::uint8_t *report)
    {
        DecodedPacket packet = ReportDecoder::decodeReport(report, kReportSize, device);
        TabletPenPacket *pen = packet.pen();
        PenPressure::processPenPressure(*pen, settings, limits, baseLookup, configuredLookup);
        const PenOutcome outcome = handler.handlePen(*pen, configure, limits, context, outputs);
        benchmark::DoNotOptimize(outcome);
    }

    const TabletDeviceInfo device = penTablet();
    const PenDeviceLimits limits = PenDeviceLimits::fromDeviceInfo(device);
    const TabletConfigure configure = wholeDesktop();
    const PenPressureSettings settings = PenPressureSettings::fromConfigure(configure);
    const PressureTable base = basePressureTable();
    PressureTable configured;
    const PressureLookup baseLookup = [this](std::uint32_t value) {
        return lookupPressure(base, value, kPressureTableMaximum);
    };
    const PressureLookup configuredLookup = [this](std::uint32_t value) {
        return lookupPressure(configured, value, kPressureTableMaximum);
    };
    PenHandler handler;
    std::atomic<bool> toolChange{false};
    PenContext context;
    PenOutputs outputs;
};

void penReportFromBytesToOutputReport(benchmark::State &state)
{
    const auto reports = stroke();
    Pipeline pipeline;
    std::size_t next = 0;
    for (auto _ : state) {
        pipeline.handle(reports[next].data());
        next = (next + 1) % reports.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void decodeOnly(benchmark::State &state)
{
    const auto reports = stroke();
    const TabletDeviceInfo device = penTablet();
    std::size_t next = 0;
    for (auto _ : state) {
        auto packet = ReportDecoder::decodeReport(reports[next].data(), kReportSize, device);
        benchmark::DoNotOptimize(packet);
        next = (next + 1) % reports.size();
    }
}

} // namespace

BENCHMARK(penReportFromBytesToOutputReport);
BENCHMARK(decodeOnly);
BENCHMARK_MAIN();
