#include "engine/core/AppLogic.h"

#include "config/packets/TabletComponentPacketWrapper.h"
#include "config/packets/TabletPenPacketWrapper.h"
#include "engine/device/TabletDevice_Win32.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/support/SignalRecorder.h"
#include "engine/support/SimulatedTablet.h"
#include "support/WaitUntil.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

const char kFirstPath[] = "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&1111&0&0000";
const char kSecondPath[] = "\\\\?\\hid#vid_5a4c&pid_0065&mi_02#8&2222&0&0000";

SimulatedHidDevice tablet(const char *path, const char *product)
{
    return simulatedTablet(path, product);
}

// Pen report of width 2: status, x, y, pressure.
Bytes penReport(std::uint8_t status, std::uint16_t x, std::uint16_t y, std::uint16_t pressure)
{
    return {9, 'A', status, std::uint8_t(x), std::uint8_t(x >> 8), std::uint8_t(y), std::uint8_t(y >> 8),
            std::uint8_t(pressure), std::uint8_t(pressure >> 8), 0, 0, 0, 0};
}

// Pen report of width 3: status, x, y, pressure.
Bytes widePenReport(std::uint8_t status, std::uint32_t x, std::uint32_t y, std::uint16_t pressure)
{
    return {9, 'A', status, std::uint8_t(x), std::uint8_t(x >> 8), std::uint8_t(x >> 16), std::uint8_t(y),
            std::uint8_t(y >> 8), std::uint8_t(y >> 16), std::uint8_t(pressure), std::uint8_t(pressure >> 8), 0, 0};
}

Bytes keyReport(std::uint32_t bits, bool pressed)
{
    return {9, 'B', 1, std::uint8_t(pressed ? 1 : 0), std::uint8_t(bits), std::uint8_t(bits >> 8), 0, 0, 0};
}

class RecordingPointerDriver : public IPointerDriverInterface
{
public:
    bool open() override { return true; }
    bool sendPointerEvent(const std::shared_ptr<PointerEvent> &event) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        events.push_back(event);
        sent.notify_all();
        return true;
    }
    void setMode(int) override {}

    bool waitFor(std::size_t count)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return sent.wait_for(lock, 5s, [&] { return events.size() >= count; });
    }
    std::size_t count()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return events.size();
    }

    std::mutex mutex;
    std::condition_variable sent;
    std::vector<std::shared_ptr<PointerEvent>> events;
};

TabletConfigurePtr screenConfigure()
{
    auto configure = std::make_shared<TabletConfigure>();
    configure->mapping.absRect = QRect(0, 0, 1920, 1080);
    configure->mapping.part = QRect(0, 0, 1920, 1080);
    configure->mapping.desktopSize = QSize(1920, 1080);
    configure->mapping.dpiRect = QRect(0, 0, 1920, 1080);
    configure->mapping.dpiDesktopRect = QRect(0, 0, 1920, 1080);
    return configure;
}

struct Engine
{
    explicit Engine(std::initializer_list<SimulatedHidDevice> tablets)
    {
        bus = std::make_shared<SimulatedHidBus>();
        for (const SimulatedHidDevice &device : tablets)
            bus->addDevice(device);
        pointer = std::make_shared<RecordingPointerDriver>();
        EnginePlatform platform;
        platform.hid = bus;
        platform.drivers = std::make_unique<DriverInterfaceSet>(pointer, nullptr);
        logic = std::make_unique<AppLogic>(std::move(platform));
    }

    std::shared_ptr<SimulatedHidBus> bus;
    std::shared_ptr<RecordingPointerDriver> pointer;
    std::unique_ptr<AppLogic> logic;
};


} // namespace

TEST(AppLogicQueue, APushBeyondTheLimitDropsExactlyTheOldestPacket)
{
    AppLogic logic{EnginePlatform()};
    for (int i = 0; i < AppLogic::kQueueLimit; ++i)
        logic.pushPacket(std::make_shared<TabletKeyPacket>(std::uint16_t(i % 8 + 1), 1, 0));
    EXPECT_EQ(logic.queuedPacketCount(), 2048u);
    logic.pushPacket(std::make_shared<TabletKeyPacket>(1, 1, 0));
    EXPECT_EQ(logic.queuedPacketCount(), 2049u) << "with 2048 queued nothing is removed";

    auto first = logic.popPacket();
    logic.pushPacket(first);
    logic.pushPacket(std::make_shared<TabletDialPacket>(1, 2));
    EXPECT_EQ(logic.queuedPacketCount(), 2049u) << "with 2049 queued a push removes one";
    auto oldest = std::dynamic_pointer_cast<TabletKeyPacket>(logic.popPacket());
    ASSERT_TRUE(oldest);
    EXPECT_EQ(oldest->key, 3) << "packets 1 and 2 were the oldest";
    logic.clearPacketQueue();
    EXPECT_EQ(logic.popPacket(), nullptr);
}

TEST(AppLogicDevices, NoDeviceIsCurrentBeforeStart)
{
    AppLogic logic{EnginePlatform()};
    EXPECT_EQ(logic.currentDevice(), nullptr);
    EXPECT_TRUE(logic.deviceInfoList().empty());
    logic.selectDevice(0);
    EXPECT_EQ(logic.currentIndex(), -1);
}

TEST(AppLogicDevices, StartOpensEveryTabletAndMakesTheFirstCurrent)
{
    Engine engine{tablet(kFirstPath, "QZ-Pen 6"), tablet(kSecondPath, "QZ-Pen 8")};
    engine.logic->start();
    const std::vector<TabletDeviceInfo> infos = engine.logic->deviceInfoList();
    ASSERT_EQ(infos.size(), 2u);
    EXPECT_EQ(infos[0].product, "QZ-Pen 6");
    EXPECT_EQ(infos[1].product, "QZ-Pen 8");
    EXPECT_EQ(engine.logic->currentIndex(), 0);
    EXPECT_EQ(engine.logic->driverStatus(), std::uint32_t(DriverInterfaceSet::PointerDriverOpen));
}

TEST(AppLogicDevices, RemovingTheCurrentTabletMakesTheFirstRemainingOneCurrent)
{
    Engine engine{tablet(kFirstPath, "QZ-Pen 6"), tablet(kSecondPath, "QZ-Pen 8")};
    engine.logic->start();
    QSignalSpy status(engine.logic.get(), &AppLogic::tabletStatusChanged);

    engine.logic->onTabletStatus(TabletStatus::Removed, kFirstPath);

    ASSERT_EQ(engine.logic->deviceInfoList().size(), 1u);
    EXPECT_EQ(engine.logic->currentIndex(), 0);
    EXPECT_EQ(engine.logic->currentDevice()->info().product, "QZ-Pen 8");
    ASSERT_EQ(status.count(), 1);
    EXPECT_FALSE(status.at(0).at(0).toBool());
    EXPECT_EQ(engine.bus->openHandleCount(kFirstPath), 0u);

    engine.logic->onTabletStatus(TabletStatus::Removed, kSecondPath);
    EXPECT_EQ(engine.logic->currentIndex(), -1);
    EXPECT_EQ(engine.logic->currentDevice(), nullptr);
}

TEST(AppLogicDevices, RemovingATabletBeforeTheCurrentOneKeepsTheCurrentOne)
{
    Engine engine{tablet(kFirstPath, "QZ-Pen 6"), tablet(kSecondPath, "QZ-Pen 8")};
    engine.logic->start();
    engine.logic->selectDevice(1);
    ASSERT_EQ(engine.logic->currentIndex(), 1);

    engine.logic->onTabletStatus(TabletStatus::Removed, kFirstPath);

    EXPECT_EQ(engine.logic->currentIndex(), 0);
    EXPECT_EQ(engine.logic->currentDevice()->info().product, "QZ-Pen 8");
}

TEST(AppLogicDevices, ARemovalOfAnUnknownPathStillReportsRemoval)
{
    Engine engine{tablet(kFirstPath, "QZ-Pen 6")};
    engine.logic->start();
    QSignalSpy status(engine.logic.get(), &AppLogic::tabletStatusChanged);
    engine.logic->onTabletStatus(TabletStatus::Removed, "\\\\?\\hid#vid_5a4c&pid_0099&mi_02#0");
    ASSERT_EQ(status.count(), 1);
    EXPECT_FALSE(status.at(0).at(0).toBool());
    EXPECT_EQ(engine.logic->deviceInfoList().size(), 1u);
}

TEST(AppLogicDevices, AnArrivalOfAnOpenPathReopensItAsOneEntry)
{
    Engine engine{tablet(kFirstPath, "QZ-Pen 6")};
    engine.logic->start();
    QSignalSpy status(engine.logic.get(), &AppLogic::tabletStatusChanged);
    engine.logic->onTabletStatus(TabletStatus::Arrived, kFirstPath);
    EXPECT_EQ(engine.logic->deviceInfoList().size(), 1u);
    EXPECT_EQ(engine.bus->openHandleCount(kFirstPath), 1u);
    ASSERT_EQ(status.count(), 1);
    EXPECT_TRUE(status.at(0).at(0).toBool());
}

TEST(AppLogicDevices, AnArrivalThatCannotOpenReportsNothing)
{
    Engine engine{tablet(kFirstPath, "QZ-Pen 6")};
    engine.logic->start();
    QSignalSpy status(engine.logic.get(), &AppLogic::tabletStatusChanged);
    engine.logic->onTabletStatus(TabletStatus::Arrived, kSecondPath);
    EXPECT_EQ(status.count(), 0);
    EXPECT_EQ(engine.logic->currentIndex(), 0);
}

TEST(AppLogicDevices, AReportOfATabletThatIsNoLongerCurrentIsNotQueued)
{
    Engine engine{tablet(kFirstPath, "QZ-Pen 6"), simulatedTablet(kSecondPath, "QZ-Pen 8", {0x65, 6, 0, 0, 3})};
    engine.logic->start();
    engine.logic->stop(); // packets stay queued
    // A read of the first tablet that entered its callback just before the switch.
    const TabletDevice_Win32::ReportCallback firstTabletsCallback = engine.logic->currentDevice()->reportCallback();
    ASSERT_TRUE(firstTabletsCallback);
    engine.logic->selectDevice(1);

    const Bytes report = penReport(0xA1, 0x1234, 0x0101, 100);
    firstTabletsCallback(report.data(), report.size());
    EXPECT_EQ(engine.logic->queuedPacketCount(), 0u);

    // The second tablet's reports are decoded with its own three-byte coordinates.
    engine.bus->feedReport(kSecondPath, widePenReport(0xA1, 0x012345, 0x00ABCD, 100));
    ASSERT_TRUE(waitUntil([&] { return engine.logic->queuedPacketCount() == 1; }));
    const auto pen = std::dynamic_pointer_cast<TabletPenPacket>(engine.logic->popPacket());
    ASSERT_TRUE(pen);
    EXPECT_EQ(pen->x, 0x012345u);
    EXPECT_EQ(pen->y, 0x00ABCDu);
}

TEST(AppLogicDevices, RemovingTheCurrentTabletDropsItsQueuedPackets)
{
    Engine engine{tablet(kFirstPath, "QZ-Pen 6"), tablet(kSecondPath, "QZ-Pen 8")};
    engine.logic->start();
    engine.logic->stop();
    for (std::uint32_t key : {0x01u, 0x02u, 0x04u})
        engine.bus->feedReport(kFirstPath, keyReport(key, true));
    ASSERT_TRUE(waitUntil([&] { return engine.logic->queuedPacketCount() == 3; }));

    engine.logic->onTabletStatus(TabletStatus::Removed, kFirstPath);

    EXPECT_EQ(engine.logic->queuedPacketCount(), 0u);
}

TEST(AppLogicDevices, AReopenThatFailsReportsTheTabletGoneAndKeepsTheIndexSound)
{
    struct Row
    {
        int selected;
        int expectedIndex;
    };
    for (const Row row : {Row{0, 0}, Row{1, 0}}) {
        SCOPED_TRACE(row.selected);
        Engine engine{tablet(kFirstPath, "QZ-Pen 6"), tablet(kSecondPath, "QZ-Pen 8")};
        engine.logic->start();
        engine.logic->selectDevice(row.selected);
        QSignalSpy status(engine.logic.get(), &AppLogic::tabletStatusChanged);
        engine.bus->removeDevice(kFirstPath);

        engine.logic->onTabletStatus(TabletStatus::Arrived, kFirstPath);

        ASSERT_EQ(status.count(), 1);
        EXPECT_FALSE(status.at(0).at(0).toBool());
        ASSERT_EQ(engine.logic->deviceInfoList().size(), 1u);
        EXPECT_EQ(engine.logic->currentIndex(), row.expectedIndex);
        EXPECT_EQ(engine.logic->currentDevice()->info().product, "QZ-Pen 8");
    }
}

TEST(AppLogicDevices, OnlyTheSelectedTabletsReportsAreProcessed)
{
    Engine engine{tablet(kFirstPath, "QZ-Pen 6"), tablet(kSecondPath, "QZ-Pen 8")};
    engine.logic->start();
    SignalRecorder components(engine.logic.get(), &AppLogic::componentDataChanged);

    engine.logic->selectDevice(1);
    engine.bus->feedReport(kFirstPath, keyReport(0x01, true));
    engine.bus->feedReport(kSecondPath, keyReport(0x02, true));
    ASSERT_TRUE(components.waitFor(1));
    std::this_thread::sleep_for(100ms);
    engine.logic->stop();

    ASSERT_EQ(components.count(), 1u);
    const auto wrapper = components.at(0).value<TabletComponentPacketWrapper>();
    EXPECT_EQ(wrapper.kind, 1u);
    EXPECT_EQ(wrapper.key.key, 2);
}

TEST(AppLogicWorker, SelectingTheCurrentTabletKeepsTheQueue)
{
    Engine engine{tablet(kFirstPath, "QZ-Pen 6"), tablet(kSecondPath, "QZ-Pen 8")};
    engine.logic->start();
    engine.logic->stop();
    engine.logic->pushPacket(std::make_shared<TabletKeyPacket>(1, 1, 0));
    engine.logic->selectDevice(0);
    EXPECT_EQ(engine.logic->queuedPacketCount(), 1u);
    engine.logic->selectDevice(1);
    EXPECT_EQ(engine.logic->queuedPacketCount(), 0u);
}

TEST(AppLogicWorker, PenPacketsWithoutAConfigurationGiveNoOutput)
{
    Engine engine{tablet(kFirstPath, "QZ-Pen 6")};
    SignalRecorder pen(engine.logic.get(), &AppLogic::penDataChanged);
    SignalRecorder keys(engine.logic.get(), &AppLogic::componentDataChanged);
    engine.logic->start();
    engine.bus->feedReport(kFirstPath, penReport(0xA1, 15000, 10000, 4000));
    // The worker takes packets in order: once the key after it is processed, so is the pen.
    engine.bus->feedReport(kFirstPath, keyReport(0x01, true));
    ASSERT_TRUE(keys.waitFor(1));
    engine.logic->stop();
    EXPECT_EQ(pen.count(), 0u);
    EXPECT_EQ(engine.pointer->count(), 0u);
}

TEST(AppLogicWorker, AQueuedPacketWakesTheWorkerBeforeItsTimedWaitRunsOut)
{
    Engine engine{};
    SignalRecorder keys(engine.logic.get(), &AppLogic::componentDataChanged);
    engine.logic->start();
    // Each packet is queued while the worker waits; a wake-up that did not come would leave it
    // to the end of the 20 ms wait. Under load a few round trips may take as long.
    constexpr int kPackets = 40;
    int slow = 0;
    for (int i = 1; i <= kPackets; ++i) {
        const auto queued = std::chrono::steady_clock::now();
        engine.logic->pushPacket(std::make_shared<TabletKeyPacket>(1, 1, 0));
        ASSERT_TRUE(keys.waitFor(std::size_t(i)));
        if (std::chrono::steady_clock::now() - queued >= 10ms)
            ++slow;
    }
    engine.logic->stop();
    EXPECT_LT(slow, kPackets / 2);
}

TEST(AppLogicWorker, APenStrokeBecomesPointerEventsAndPenData)
{
    Engine engine{tablet(kFirstPath, "QZ-Pen 6")};
    SignalRecorder pen(engine.logic.get(), &AppLogic::penDataChanged);
    engine.logic->setConfigure(screenConfigure());
    engine.logic->start();

    engine.bus->feedReport(kFirstPath, penReport(0xA0, 15240, 10160, 0));
    engine.bus->feedReport(kFirstPath, penReport(0xA1, 15240, 10160, 4000));
    engine.bus->feedReport(kFirstPath, penReport(0xC0, 15240, 10160, 0));
    ASSERT_TRUE(engine.pointer->waitFor(3));
    ASSERT_TRUE(pen.waitFor(3));
    engine.logic->stop();

    ASSERT_EQ(pen.count(), 3u);
    const auto touching = pen.at(1).value<TabletPenPacketWrapper>();
    EXPECT_TRUE(touching.valid);
    EXPECT_EQ(touching.received.status, 0xA1u);
    EXPECT_EQ(touching.received.pressure, 4000);
    EXPECT_EQ(touching.pressureMax, 8191);
    ASSERT_EQ(engine.pointer->events.size(), 3u);
    auto *digitizer = dynamic_cast<DigitizerPointerEvent *>(engine.pointer->events[1].get());
    ASSERT_NE(digitizer, nullptr);
    EXPECT_EQ(digitizer->status, 0xA1);
    EXPECT_GT(digitizer->pressure, 0);
    // The middle of the tablet lands in the middle of the normalised range.
    EXPECT_NEAR(double(touching.trace[0]), 16383.0, 2.0);
    EXPECT_NEAR(double(touching.trace[1]), 16383.0, 2.0);
}

TEST(AppLogicWorker, KeysDialsAndTouchEachGiveOneComponentSignal)
{
    Engine engine{tablet(kFirstPath, "QZ-Pen 6")};
    SignalRecorder components(engine.logic.get(), &AppLogic::componentDataChanged);
    engine.logic->start();
    engine.bus->feedReport(kFirstPath, keyReport(0x04, true));
    engine.bus->feedReport(kFirstPath, {9, 'B', 3, 1, 3, 0, 0, 0, 0});
    engine.bus->feedReport(kFirstPath, {9, 'C', 1, 0x30, 0, 0, 0, 0, 0});
    ASSERT_TRUE(components.waitFor(3));
    engine.logic->stop();
    ASSERT_EQ(components.count(), 3u);
    EXPECT_EQ(components.at(0).value<TabletComponentPacketWrapper>().kind, 1u);
    EXPECT_EQ(components.at(1).value<TabletComponentPacketWrapper>().kind, 2u);
    EXPECT_EQ(components.at(2).value<TabletComponentPacketWrapper>().touch.position, 5u);
}

TEST(AppLogicWorker, AConfigurationHandedOverTakesEffectAtTheNextPacket)
{
    Engine engine{tablet(kFirstPath, "QZ-Pen 6")};
    engine.logic->setConfigure(screenConfigure());
    engine.logic->setConfigure(nullptr);
    EXPECT_EQ(engine.logic->activeConfigure(), nullptr) << "nothing is in use before a packet";
    engine.logic->start();
    engine.bus->feedReport(kFirstPath, keyReport(0x01, true));
    ASSERT_TRUE(waitUntil([&] { return engine.logic->activeConfigure() != nullptr; }));
    EXPECT_EQ(engine.logic->activeConfigure()->mapping.absRect, QRect(0, 0, 1920, 1080))
            << "an empty configuration leaves the previous one in place";
}

TEST(AppLogicWorker, StopAndDestructionEndEveryThread)
{
    for (int round = 0; round < 5; ++round) {
        Engine engine{tablet(kFirstPath, "QZ-Pen 6")};
        engine.logic->setConfigure(screenConfigure());
        engine.logic->start();
        for (int i = 0; i < 50; ++i)
            engine.bus->feedReport(kFirstPath, penReport(0xA1, std::uint16_t(100 * i), 500, 100));
        if (round % 2 == 0)
            engine.logic->stop();
        engine.logic.reset();
        EXPECT_EQ(engine.bus->openHandleCount(kFirstPath), 0u);
    }
}
