#include "engine/core/AppLogic.h"

#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/hid/simulated/SimulatedHidDescription.h"
#include "engine/output/WindowsDriverSet_Win32.h"

#include "BuildConfig.h"
#include "engine/support/RecordingReportSink.h"
#include "engine/support/SimulatedTablet.h"
#include "engine/support/SimulatedVirtualDevice.h"
#include "engine/support/UniqueWintabNames.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// The whole engine on the simulated bus: the tablet replays a recorded stroke, AppLogic runs
// with the program's drivers, and the virtual device receives the pen reports.
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

const std::string kTabletPath =
        "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&2a3b4c5d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";

// The stroke of tools/simulated-hid/pen-stroke.txt: hover in from the left, touch down, draw a
// line to the right and slightly down with pressure rising and falling, lift, leave.
const char kStroke[] = R"(
300 09 41 a0 40 38 10 27 00 00 00 00 0a fb
5 09 41 a0 a4 38 10 27 00 00 00 00 0a fb
5 09 41 a0 08 39 10 27 00 00 00 00 0a fb
5 09 41 a0 6c 39 10 27 00 00 00 00 0a fb
5 09 41 a0 d0 39 10 27 00 00 00 00 0a fb
5 09 41 a0 34 3a 10 27 00 00 00 00 0a fb
5 09 41 a1 98 3a 10 27 7e 03 00 00 0a fb
5 09 41 a1 fc 3a 1a 27 e9 06 00 00 0a fb
5 09 41 a1 60 3b 24 27 2b 0a 00 00 0a fb
5 09 41 a1 c4 3b 2e 27 34 0d 00 00 0a fb
5 09 41 a1 28 3c 38 27 f1 0f 00 00 0a fb
5 09 41 a1 8c 3c 42 27 53 12 00 00 0a fb
5 09 41 a1 f0 3c 4c 27 4c 14 00 00 0a fb
5 09 41 a1 54 3d 56 27 d1 15 00 00 0a fb
5 09 41 a1 b8 3d 60 27 da 16 00 00 0a fb
5 09 41 a1 1c 3e 6a 27 5f 17 00 00 0a fb
5 09 41 a1 80 3e 74 27 5f 17 00 00 0a fb
5 09 41 a1 e4 3e 7e 27 da 16 00 00 0a fb
5 09 41 a1 48 3f 88 27 d1 15 00 00 0a fb
5 09 41 a1 ac 3f 92 27 4c 14 00 00 0a fb
5 09 41 a1 10 40 9c 27 53 12 00 00 0a fb
5 09 41 a1 74 40 a6 27 f1 0f 00 00 0a fb
5 09 41 a1 d8 40 b0 27 34 0d 00 00 0a fb
5 09 41 a1 3c 41 ba 27 2b 0a 00 00 0a fb
5 09 41 a1 a0 41 c4 27 e9 06 00 00 0a fb
5 09 41 a1 04 42 ce 27 7e 03 00 00 0a fb
5 09 41 a0 68 42 d8 27 00 00 00 00 0a fb
5 09 41 a0 cc 42 d8 27 00 00 00 00 0a fb
5 09 41 a0 30 43 d8 27 00 00 00 00 0a fb
5 09 41 a0 94 43 d8 27 00 00 00 00 0a fb
5 09 41 c0 94 43 d8 27 00 00 00 00 00 00
)";

constexpr std::size_t kStrokeReports = 31;

// The tablet of the stroke: 30480 x 20320, pressure 8191.
constexpr std::int64_t kTabletMaximumX = 30480;
constexpr std::int64_t kTabletMaximumY = 20320;
constexpr std::int64_t kNormalisedMaximum = 32767;

// Measured pressure after the fixed table and the default (identity) curve, worked out from
// the two curves' formula for the stroke's pressures.
const std::map<std::uint16_t, std::uint16_t> kShapedPressure = {
        {894, 574},   {1769, 1213}, {2603, 1891}, {3380, 2584}, {4081, 3261},
        {4691, 3889}, {5196, 4436}, {5585, 4874}, {5850, 5181}, {5983, 5337},
};

struct StrokePoint
{
    std::uint8_t status = 0;
    std::uint16_t x = 0;
    std::uint16_t y = 0;
    std::uint16_t pressure = 0;
    std::int8_t tiltX = 0;
    std::int8_t tiltY = 0;
};

std::uint16_t littleEndian16(const Bytes &report, std::size_t at)
{
    return std::uint16_t(report[at] | (report[at + 1] << 8));
}

// Width-2 pen report: id, 'A', status, x, y, pressure, two unused bytes, tilt x, tilt y.
StrokePoint strokePoint(const Bytes &report)
{
    StrokePoint point;
    point.status = report[2];
    point.x = littleEndian16(report, 3);
    point.y = littleEndian16(report, 5);
    point.pressure = littleEndian16(report, 7);
    point.tiltX = std::int8_t(report[11]);
    point.tiltY = std::int8_t(report[12]);
    return point;
}

std::vector<SimulatedInputReport> strokeReports()
{
    return SimulatedHidDescription::parseReportLines(QByteArray(kStroke)).reports;
}

// The whole tablet on the whole 1920 x 1080 desktop, which starts at 0: a tablet unit maps to
// x * 32767 / maximum, truncated.
std::uint16_t normalised(std::int64_t value, std::int64_t maximum)
{
    return std::uint16_t(value * kNormalisedMaximum / maximum);
}

void put16(Bytes &report, std::size_t at, std::uint16_t value)
{
    report[at] = std::uint8_t(value);
    report[at + 1] = std::uint8_t(value >> 8);
}

// The virtual device's pen report: id 9, sub-type 10, collection 2, status, x, y, pressure,
// tilt x, tilt y; a leaving report keeps only the position.
Bytes expectedPenReport(const StrokePoint &point)
{
    Bytes report(65, 0);
    report[0] = 9;
    report[1] = 10;
    report[2] = 2;
    put16(report, 4, normalised(point.x, kTabletMaximumX));
    put16(report, 6, normalised(point.y, kTabletMaximumY));
    if (point.status == 0xC0) {
        report[3] = 0xC0;
        return report;
    }
    report[3] = std::uint8_t(0x20 | (point.status & 0x01));
    const auto shaped = kShapedPressure.find(point.pressure);
    put16(report, 8, shaped == kShapedPressure.end() ? point.pressure : shaped->second);
    report[10] = std::uint8_t(point.tiltX);
    report[11] = std::uint8_t(point.tiltY);
    return report;
}

SimulatedHidDevice strokeTablet()
{
    SimulatedHidDevice tablet = simulatedTablet(kTabletPath, "QZ-Pen 6");
    tablet.vendorId = BuildConfig::kVendorId;
    tablet.inputReports = strokeReports();
    return tablet;
}

SimulatedHidDevice virtualDevice()
{
    SimulatedHidDevice device = simulatedVirtualDevice();
    device.vendorId = BuildConfig::kVendorId;
    return device;
}

// The whole tablet onto the whole 1920 x 1080 desktop, Windows Ink on, default curve.
TabletConfigurePtr wholeDesktopConfigure()
{
    auto configure = std::make_shared<TabletConfigure>();
    configure->pen.ink = true;
    configure->pen.relative = false;
    configure->mapping.absRect = QRect(0, 0, 1920, 1080);
    configure->mapping.part = QRect(0, 0, 1920, 1080);
    configure->mapping.desktopSize = QSize(1920, 1080);
    configure->mapping.dpiRect = QRect(0, 0, 1920, 1080);
    configure->mapping.dpiDesktopRect = QRect(0, 0, 1920, 1080);
    configure->mapping.workArea = QRect(0, 0, 100, 100);
    return configure;
}

std::unique_ptr<AppLogic> engineOn(const std::shared_ptr<SimulatedHidBus> &bus)
{
    EnginePlatform platform;
    platform.hid = bus;
    platform.drivers = createWindowsDriverSet(bus, uniqueWintabNames());
    auto logic = std::make_unique<AppLogic>(std::move(platform));
    logic->setConfigure(wholeDesktopConfigure());
    return logic;
}


class EngineEndToEnd : public testing::Test
{
protected:
    EngineEndToEnd()
    {
        bus->addDevice(strokeTablet());
        bus->addDevice(virtualDevice());
    }

    // Starts the engine, lets the whole stroke through and stops it; the reports written to
    // the virtual device.
    std::vector<SimulatedOutputReport> runStroke()
    {
        logic->start();
        EXPECT_EQ(logic->driverStatus(), 3u) << "pointer and keyboard drivers open";
        EXPECT_EQ(logic->currentIndex(), 0);
        EXPECT_TRUE(bus->waitForReplayEnd(kTabletPath, 10s));
        EXPECT_TRUE(bus->waitForWrittenReports(kVirtualDevicePath, kStrokeReports, 10s));
        EXPECT_TRUE(waitUntil([&] { return logic->queuedPacketCount() == 0; }));
        logic->stop();
        return bus->writtenReports(kVirtualDevicePath);
    }

    std::shared_ptr<SimulatedHidBus> bus = std::make_shared<SimulatedHidBus>();
    std::unique_ptr<AppLogic> logic = engineOn(bus);
};

std::vector<StrokePoint> strokePoints()
{
    std::vector<StrokePoint> points;
    for (const SimulatedInputReport &report : strokeReports())
        points.push_back(strokePoint(report.bytes));
    return points;
}

} // namespace

TEST(EngineEndToEndStroke, TheEmbeddedStrokeIsTheRecordedOne)
{
    const std::vector<SimulatedInputReport> reports = strokeReports();
    ASSERT_EQ(reports.size(), kStrokeReports);
    EXPECT_EQ(reports.front().delay, 300ms);
    EXPECT_EQ(reports.back().bytes, Bytes({9, 'A', 0xC0, 0x94, 0x43, 0xD8, 0x27, 0, 0, 0, 0, 0, 0}));
    for (std::uint16_t pressure : {894, 1769, 2603, 3380, 4081, 4691, 5196, 5585, 5850, 5983})
        EXPECT_EQ(kShapedPressure.count(pressure), 1u) << pressure;
}

TEST_F(EngineEndToEnd, TheVirtualDeviceReceivesExactlyTheStrokesPenReports)
{
    const std::vector<SimulatedOutputReport> written = runStroke();
    const std::vector<StrokePoint> points = strokePoints();

    ASSERT_EQ(written.size(), points.size()) << "one pen report per input report, nothing else";
    for (std::size_t i = 0; i < points.size(); ++i)
        EXPECT_EQ(written[i].bytes, expectedPenReport(points[i])) << "report " << i;
}

TEST_F(EngineEndToEnd, AFewReportsAsWorkedOutByHand)
{
    const std::vector<SimulatedOutputReport> written = runStroke();
    ASSERT_EQ(written.size(), kStrokeReports);

    // First hover at (14400, 10000): 14400 * 32767 / 30480 = 15480.6, 10000 * 32767 / 20320
    // = 16125.5; tilt 10 and -5.
    EXPECT_EQ(written[0].bytes, zeroPaddedReport({9, 10, 2, 0x20, 0x78, 0x3C, 0xFD, 0x3E, 0, 0, 0x0A, 0xFB}));
    // First contact at (15000, 10000), pressure 894 -> 574.
    EXPECT_EQ(written[6].bytes, zeroPaddedReport({9, 10, 2, 0x21, 0xFD, 0x3E, 0xFD, 0x3E, 0x3E, 0x02, 0x0A, 0xFB}));
    // Middle of the line at (15900, 10090), pressure 5983 -> 5337.
    EXPECT_EQ(written[15].bytes, zeroPaddedReport({9, 10, 2, 0x21, 0xC5, 0x42, 0x8E, 0x3F, 0xD9, 0x14, 0x0A, 0xFB}));
    // Leaving at (17300, 10200): position only.
    EXPECT_EQ(written[30].bytes, zeroPaddedReport({9, 10, 2, 0xC0, 0xA6, 0x48, 0x40, 0x40}));
}

TEST_F(EngineEndToEnd, TheStrokeKeepsItsShape)
{
    const std::vector<SimulatedOutputReport> written = runStroke();
    ASSERT_EQ(written.size(), kStrokeReports);

    std::vector<std::uint8_t> statuses;
    std::vector<std::uint16_t> pressures;
    std::uint16_t previousX = 0;
    for (std::size_t i = 0; i < written.size(); ++i) {
        const Bytes &report = written[i].bytes;
        ASSERT_EQ(report.size(), 65u);
        EXPECT_EQ(report[0], 9);
        EXPECT_EQ(report[1], 10);
        const std::uint16_t x = littleEndian16(report, 4);
        if (i + 1 < written.size()) {
            EXPECT_GT(x, previousX) << "the line runs to the right, report " << i;
        }
        previousX = x;
        statuses.push_back(report[3]);
        if (report[3] == 0x21)
            pressures.push_back(littleEndian16(report, 8));
        if (i > 0) {
            EXPECT_LE(written[i - 1].writtenAt, written[i].writtenAt);
        }
    }

    const std::vector<std::uint8_t> expectedStatuses = [] {
        std::vector<std::uint8_t> s(6, 0x20);
        s.insert(s.end(), 20, 0x21);
        s.insert(s.end(), 4, 0x20);
        s.push_back(0xC0);
        return s;
    }();
    EXPECT_EQ(statuses, expectedStatuses) << "hover, contact, hover, leave";

    ASSERT_EQ(pressures.size(), 20u);
    for (std::size_t i = 1; i < 10; ++i)
        EXPECT_GT(pressures[i], pressures[i - 1]) << "pressure rises";
    EXPECT_EQ(pressures[9], pressures[10]);
    for (std::size_t i = 11; i < 20; ++i)
        EXPECT_LT(pressures[i], pressures[i - 1]) << "pressure falls";
    EXPECT_EQ(written.back().bytes[3], 0xC0) << "the pen leaves at the end";
}

TEST_F(EngineEndToEnd, OnlyTheTabletReceivesTheModeSwitch)
{
    runStroke();
    const std::vector<SimulatedOutputReport> tabletWrites = bus->writtenReports(kTabletPath);
    EXPECT_FALSE(tabletWrites.empty());
    for (const SimulatedOutputReport &write : tabletWrites)
        EXPECT_EQ(write.bytes.size(), 13u);
}

TEST_F(EngineEndToEnd, StopAndDestructionCloseTheTabletAndTheVirtualDevice)
{
    runStroke();
    EXPECT_EQ(bus->openHandleCount(kTabletPath), 1u);
    EXPECT_EQ(bus->openHandleCount(kVirtualDevicePath), 2u);

    logic.reset();

    EXPECT_EQ(bus->openHandleCount(kTabletPath), 0u);
    EXPECT_EQ(bus->openHandleCount(kVirtualDevicePath), 0u);
}

TEST_F(EngineEndToEnd, DestructionWithoutStopInTheMiddleOfTheStrokeEndsEveryThread)
{
    logic->start();
    ASSERT_TRUE(bus->waitForWrittenReports(kVirtualDevicePath, 10, 10s));

    logic.reset();

    EXPECT_EQ(bus->openHandleCount(kTabletPath), 0u);
    EXPECT_EQ(bus->openHandleCount(kVirtualDevicePath), 0u);
    const std::size_t writtenAtDestruction = bus->writtenReports(kVirtualDevicePath).size();
    bus->waitForReplayEnd(kTabletPath, 2s);
    EXPECT_EQ(bus->writtenReports(kVirtualDevicePath).size(), writtenAtDestruction)
            << "nothing writes once the engine is gone";
}
