// Latency of the engine end to end under Wine: pen reports fed to the simulated tablet at a
// steady rate, each one timed from the moment the tablet queued it, as a system completes a HID
// read, until its report reaches the simulated virtual device.
#include "engine/core/AppLogic.h"
#include "engine/device/TabletDevice_Win32.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/output/WindowsDriverSet_Win32.h"

#include "BuildConfig.h"
#include "engine/hid/simulated/SimulatedHidDescription.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const std::string kTabletPath = "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&2a3b4c5d&0&0000";
const std::string kVirtualPath = "\\\\?\\hid#qz_virtual_tablet&col01#1&2d595ca7&0&0000";

constexpr std::uint16_t kMaximumX = 30480;
constexpr std::int64_t kNormalisedMaximum = 32767;
constexpr std::uint16_t kFirstX = 1000;
constexpr std::uint16_t kStepX = 2;

struct Options
{
    int reports = 10000;
    int perSecond = 1000;
};

SimulatedHidDevice penTablet()
{
    SimulatedHidDevice device;
    device.path = kTabletPath;
    device.hardwareIds = {"HID\\VID_5A4C&PID_0064&MI_02"};
    device.vendorId = BuildConfig::kVendorId;
    device.productId = 0x0064;
    device.usagePage = 0xFF0A;
    device.inputReportLength = 13;
    device.outputReportLength = 13;
    device.indexedStrings[2] = SimulatedHidDescription::utf16String(QStringLiteral("QZ-Pen 6"));
    device.indexedStrings[3] = SimulatedHidDescription::utf16String(QStringLiteral("QZP6_V1.02"));
    std::vector<std::uint8_t> block = {0x10, 0x77, 0x60, 0x4f, 0xff, 0x1f, 0xd8, 0x13, 0x02, 6, 0, 0, 0};
    block.resize(64, 0);
    device.indexedStrings[20] = block;
    device.indexedStrings[22] = {0x02, 0x00, 0x00, 0x00};
    device.indexedStrings[23] = SimulatedHidDescription::utf16String(QStringLiteral("QZP6-A"));
    return device;
}

SimulatedHidDevice virtualDevice()
{
    SimulatedHidDevice device;
    device.path = kVirtualPath;
    device.hardwareIds = {"HID\\QZ_VIRTUAL_TABLET&COL01"};
    device.vendorId = BuildConfig::kVendorId;
    device.productId = 0xFFFE;
    device.usagePage = 0xFF00;
    device.inputReportLength = 65;
    device.outputReportLength = 65;
    return device;
}

TabletConfigurePtr wholeDesktop()
{
    auto configure = std::make_shared<TabletConfigure>();
    configure->mapping.absRect = QRect(0, 0, 1920, 1080);
    configure->mapping.part = QRect(0, 0, 1920, 1080);
    configure->mapping.desktopSize = QSize(1920, 1080);
    return configure;
}

// Report i touches at its own x, so its output report says which input it came from.
std::uint16_t xOfReport(int index)
{
    return std::uint16_t(kFirstX + kStepX * (index % 14000));
}

std::vector<std::uint8_t> penReport(int index)
{
    const std::uint16_t x = xOfReport(index);
    const std::uint16_t y = 10000;
    const std::uint16_t pressure = 4000;
    return {9, 0x41, 0xA1, std::uint8_t(x), std::uint8_t(x >> 8), std::uint8_t(y), std::uint8_t(y >> 8),
            std::uint8_t(pressure), std::uint8_t(pressure >> 8), 0, 0, 0, 0};
}

std::uint16_t normalisedX(std::uint16_t x)
{
    return std::uint16_t(std::int64_t(x) * kNormalisedMaximum / kMaximumX);
}

// Waits until `deadline` in short sleeps: a feeder that spun would take a processor from the
// threads it measures. Each report is timed from when it was queued, so a late feed costs
// nothing.
void waitUntil(Clock::time_point deadline)
{
    while (Clock::now() < deadline)
        std::this_thread::sleep_for(200us);
}

double microseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::micro>(duration).count();
}

double percentile(std::vector<double> sorted, double fraction)
{
    if (sorted.empty())
        return 0.0;
    const std::size_t index = std::min(sorted.size() - 1, std::size_t(fraction * double(sorted.size() - 1) + 0.5));
    return sorted[index];
}

Options optionsFrom(int argc, char **argv)
{
    Options options;
    if (argc > 1)
        options.reports = std::max(1, std::atoi(argv[1]));
    if (argc > 2)
        options.perSecond = std::max(1, std::atoi(argv[2]));
    return options;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const Options options = optionsFrom(argc, argv);

    auto bus = std::make_shared<SimulatedHidBus>();
    bus->addDevice(penTablet());
    bus->addDevice(virtualDevice());

    EnginePlatform platform;
    platform.hid = bus;
    platform.drivers = createWindowsDriverSet(bus);
    auto engine = std::make_unique<AppLogic>(std::move(platform));
    engine->setConfigure(wholeDesktop());
    engine->start();
    if (engine->currentIndex() != 0 || !(engine->driverStatus() & 1u)) {
        std::fprintf(stderr, "the engine did not open the simulated tablet and virtual device\n");
        return 1;
    }
    std::this_thread::sleep_for(200ms); // the read thread is waiting on its first read

    std::unordered_map<std::uint16_t, int> reportOfX;
    std::vector<Clock::time_point> fedAt(std::size_t(options.reports));
    // When the tablet's read thread handed each report to the engine: the first of the two
    // hand-offs between threads.
    std::vector<Clock::time_point> readAt(std::size_t(options.reports));
    const std::shared_ptr<TabletDevice_Win32> tablet = engine->currentDevice();
    const TabletDevice_Win32::ReportCallback engineCallback = tablet->reportCallback();
    std::atomic<int> nextRead{0};
    tablet->setReportCallback([&](const std::uint8_t *report, std::size_t size) {
        const int index = nextRead++;
        if (index < options.reports)
            readAt[std::size_t(index)] = Clock::now();
        engineCallback(report, size);
    });
    const Clock::duration interval = std::chrono::duration_cast<Clock::duration>(1s) / options.perSecond;
    const Clock::time_point start = Clock::now() + 10ms;
    for (int i = 0; i < options.reports; ++i) {
        waitUntil(start + interval * i);
        reportOfX[normalisedX(xOfReport(i))] = i;
        bus->feedReport(kTabletPath, penReport(i), &fedAt[std::size_t(i)]);
    }
    bus->waitForWrittenReports(kVirtualPath, std::size_t(options.reports), 2s);
    engine->stop();
    const std::vector<SimulatedOutputReport> written = bus->writtenReports(kVirtualPath);
    engine.reset();

    std::vector<double> latencies;
    std::vector<double> toReadThread;
    std::vector<double> fromReadThread;
    std::vector<bool> arrived(std::size_t(options.reports), false);
    for (const SimulatedOutputReport &report : written) {
        const std::uint16_t x = std::uint16_t(report.bytes[4] | (report.bytes[5] << 8));
        const auto input = reportOfX.find(x);
        if (input == reportOfX.end() || arrived[std::size_t(input->second)])
            continue;
        const std::size_t index = std::size_t(input->second);
        arrived[index] = true;
        latencies.push_back(microseconds(report.writtenAt - fedAt[index]));
        toReadThread.push_back(microseconds(readAt[index] - fedAt[index]));
        fromReadThread.push_back(microseconds(report.writtenAt - readAt[index]));
    }
    std::sort(latencies.begin(), latencies.end());
    std::sort(toReadThread.begin(), toReadThread.end());
    std::sort(fromReadThread.begin(), fromReadThread.end());
    const std::size_t lost = std::size_t(options.reports) - latencies.size();

    std::printf("pen reports fed:      %d at %d per second\n", options.reports, options.perSecond);
    std::printf("output reports:       %zu\n", written.size());
    std::printf("lost:                 %zu\n", lost);
    std::printf("latency median:       %.1f us\n", percentile(latencies, 0.5));
    std::printf("latency 99th pct:     %.1f us\n", percentile(latencies, 0.99));
    std::printf("latency 99.9th pct:   %.1f us\n", percentile(latencies, 0.999));
    std::printf("latency maximum:      %.1f us\n", latencies.empty() ? 0.0 : latencies.back());
    std::printf("to the read thread:   median %.1f us, 99th pct %.1f us\n", percentile(toReadThread, 0.5),
                percentile(toReadThread, 0.99));
    std::printf("then to the output:   median %.1f us, 99th pct %.1f us\n", percentile(fromReadThread, 0.5),
                percentile(fromReadThread, 0.99));
    std::printf("fed over:             %.3f s\n",
                microseconds(fedAt.back() - fedAt.front()) / 1e6);
    return 0;
}
