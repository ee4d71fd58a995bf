#include "engine/device/TabletDevice_Win32.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/support/SimulatedTablet.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

const char kPath[] = "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&2a3b4c5d&0&0000";

SimulatedHidDevice tablet(std::uint16_t productId = 0x0064, std::uint8_t keys = 6, std::uint8_t valueD = 0,
                          std::uint8_t valueC = 0)
{
    return simulatedTablet(kPath, "QZ-Pen 6", {productId, keys, valueD, valueC});
}

Bytes modeReport(std::uint8_t kind, std::uint8_t value)
{
    Bytes report(13, 0);
    report[0] = 9;
    report[1] = kind;
    report[2] = value;
    return report;
}

std::vector<Bytes> written(SimulatedHidBus &bus)
{
    std::vector<Bytes> reports;
    for (const SimulatedOutputReport &report : bus.writtenReports(kPath))
        reports.push_back(report.bytes);
    return reports;
}

class ReceivedReports
{
public:
    TabletDevice_Win32::ReportCallback callback()
    {
        return [this](const std::uint8_t *data, std::size_t size) {
            std::lock_guard<std::mutex> lock(mutex_);
            reports_.emplace_back(data, data + size);
            arrived_.notify_all();
        };
    }
    bool waitFor(std::size_t count)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        return arrived_.wait_for(lock, 5s, [&] { return reports_.size() >= count; });
    }
    std::vector<Bytes> reports()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return reports_;
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<Bytes> reports_;
};

} // namespace

TEST(TabletDevice, OpeningIdentifiesTheTablet)
{
    auto bus = std::make_shared<SimulatedHidBus>();
    ASSERT_TRUE(bus->addDevice(tablet(4097)) == SimulatedHidBus::AddResult::Added);
    TabletDevice_Win32 device(bus);
    ASSERT_TRUE(device.open(kPath));

    const TabletDeviceInfo info = device.info();
    EXPECT_EQ(info.product, "QZ-Pen 6");
    EXPECT_EQ(info.string3, "QZP6_V1.02");
    EXPECT_EQ(info.string23, "QZP6-A");
    EXPECT_EQ(info.path, kPath);
    EXPECT_EQ(info.vendorId, 0x5A4C);
    EXPECT_EQ(info.productId, 4097);
    EXPECT_TRUE(info.penDisplay);
    EXPECT_EQ(info.coordinateWidth, 2);
    EXPECT_EQ(info.maximumX, 30480u);
    EXPECT_EQ(info.maximumY, 20320u);
    EXPECT_EQ(info.maximumPressure, 8191);
    EXPECT_EQ(info.keyCount, 6);
}

TEST(TabletDevice, ReportingModeWritesFollowTheKeysAndValuesOfTheTablet)
{
    struct Case
    {
        std::uint8_t keys, valueD, valueC;
        std::vector<Bytes> expected;
    };
    const Case cases[] = {
        {0, 0, 0, {modeReport(1, 4)}},
        {6, 0, 0, {modeReport(1, 4), modeReport(2, 2)}},
        {0, 0, 1, {modeReport(1, 4), modeReport(2, 2)}},
        {0, 3, 0, {modeReport(1, 4), modeReport(3, 2)}},
        {8, 2, 0, {modeReport(1, 4), modeReport(2, 2), modeReport(3, 2)}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "keys " << int(c.keys) << " D " << int(c.valueD) << " C " << int(c.valueC));
        auto bus = std::make_shared<SimulatedHidBus>();
        ASSERT_TRUE(bus->addDevice(tablet(0x64, c.keys, c.valueD, c.valueC)) == SimulatedHidBus::AddResult::Added);
        TabletDevice_Win32 device(bus);
        ASSERT_TRUE(device.open(kPath));
        EXPECT_EQ(written(*bus), c.expected);
    }
}

TEST(TabletDevice, AMissingString23StillIdentifiesTheTablet)
{
    auto bus = std::make_shared<SimulatedHidBus>();
    SimulatedHidDevice description = tablet();
    description.indexedStrings.erase(23);
    ASSERT_TRUE(bus->addDevice(description) == SimulatedHidBus::AddResult::Added);
    TabletDevice_Win32 device(bus);
    ASSERT_TRUE(device.open(kPath));
    EXPECT_EQ(device.info().string23, "");
}

TEST(TabletDevice, OpeningFailsWhenARequiredStringIsMissing)
{
    for (std::uint32_t index : {2u, 3u, 20u, 22u}) {
        SCOPED_TRACE(index);
        auto bus = std::make_shared<SimulatedHidBus>();
        SimulatedHidDevice description = tablet();
        description.indexedStrings.erase(index);
        ASSERT_TRUE(bus->addDevice(description) == SimulatedHidBus::AddResult::Added);
        TabletDevice_Win32 device(bus);
        EXPECT_FALSE(device.open(kPath));
        EXPECT_EQ(bus->openHandleCount(kPath), 0u);
    }
}

TEST(TabletDevice, ARefusedModeSwitchClosesTheDevice)
{
    auto bus = std::make_shared<SimulatedHidBus>();
    ASSERT_TRUE(bus->addDevice(tablet()) == SimulatedHidBus::AddResult::Added);
    bus->setWritesStalled(kPath, true);
    TabletDevice_Win32 device(bus);
    EXPECT_FALSE(device.open(kPath));
    EXPECT_EQ(bus->openHandleCount(kPath), 0u);
}

TEST(TabletDevice, AnUnknownPathDoesNotOpen)
{
    auto bus = std::make_shared<SimulatedHidBus>();
    TabletDevice_Win32 device(bus);
    EXPECT_FALSE(device.open(kPath));
}

TEST(TabletDevice, ReportsReachTheCallbackUntilItIsCleared)
{
    auto bus = std::make_shared<SimulatedHidBus>();
    ASSERT_TRUE(bus->addDevice(tablet()) == SimulatedHidBus::AddResult::Added);
    TabletDevice_Win32 device(bus);
    ReceivedReports received;
    ASSERT_TRUE(device.open(kPath));
    device.setReportCallback(received.callback());

    const Bytes pen = {9, 'A', 0xA1, 0x10, 0x00, 0x20, 0x00, 0x00, 0x10, 0, 0, 5, 0xFB};
    ASSERT_TRUE(bus->feedReport(kPath, pen));
    ASSERT_TRUE(received.waitFor(1));
    EXPECT_EQ(received.reports().front(), pen);

    device.clearReportCallback();
    bus->feedReport(kPath, pen);
    device.close();
    EXPECT_EQ(received.reports().size(), 1u);
}

TEST(TabletDevice, CloseEndsTheReadThreadAndReleasesTheHandle)
{
    auto bus = std::make_shared<SimulatedHidBus>();
    ASSERT_TRUE(bus->addDevice(tablet()) == SimulatedHidBus::AddResult::Added);
    TabletDevice_Win32 device(bus);
    ASSERT_TRUE(device.open(kPath));
    EXPECT_EQ(bus->openHandleCount(kPath), 1u);
    device.close();
    EXPECT_EQ(bus->openHandleCount(kPath), 0u);
    device.close();
}

TEST(TabletDevice, ATabletWhoseReadsFailIsReadAboutOnceEvery20MillisecondsAndStaysClosable)
{
    auto bus = std::make_shared<SimulatedHidBus>();
    ASSERT_TRUE(bus->addDevice(tablet()) == SimulatedHidBus::AddResult::Added);
    TabletDevice_Win32 device(bus);
    ASSERT_TRUE(device.open(kPath));
    ASSERT_TRUE(bus->setReadsFailing(kPath, true));

    const auto start = std::chrono::steady_clock::now();
    const std::size_t readsBefore = bus->readCounts(kPath).at(0);
    std::this_thread::sleep_for(300ms);
    const std::size_t reads = bus->readCounts(kPath).at(0) - readsBefore;
    const auto elapsed = std::chrono::steady_clock::now() - start;

    EXPECT_GE(reads, 1u) << "the thread keeps trying";
    // A loaded machine only lengthens the pauses; twice the rate leaves room for timer slack.
    EXPECT_LE(reads, std::size_t(elapsed / 10ms) + 2);
    device.close();
    EXPECT_EQ(bus->openHandleCount(kPath), 0u);
}

TEST(TabletDevice, TheCallbackMayReadTheIdentity)
{
    auto bus = std::make_shared<SimulatedHidBus>();
    ASSERT_TRUE(bus->addDevice(tablet()) == SimulatedHidBus::AddResult::Added);
    TabletDevice_Win32 device(bus);
    ASSERT_TRUE(device.open(kPath));
    std::mutex mutex;
    std::condition_variable seen;
    std::string product;
    device.setReportCallback([&](const std::uint8_t *, std::size_t) {
        const std::string name = device.info().product;
        std::lock_guard<std::mutex> lock(mutex);
        product = name;
        seen.notify_all();
    });
    ASSERT_TRUE(bus->feedReport(kPath, {9, 'C', 1, 1}));
    std::unique_lock<std::mutex> lock(mutex);
    EXPECT_TRUE(seen.wait_for(lock, 5s, [&] { return !product.empty(); }));
    EXPECT_EQ(product, "QZ-Pen 6");
    lock.unlock();
    device.close();
}
