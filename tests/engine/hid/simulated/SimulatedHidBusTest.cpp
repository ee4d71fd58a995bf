#include "engine/hid/simulated/SimulatedHidBus.h"

#include "engine/hid/simulated/SimulatedHidDescription.h"

#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

using namespace std::chrono_literals;
using testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

namespace {

const std::string kPenPath = "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&1f00&0&0000#{4d1e55b2}";
const std::string kOtherPath = "\\\\?\\hid#vid_5a4c&pid_0064&mi_00#8&1f01&0&0000#{4d1e55b2}";

SimulatedHidDevice penInterface(const std::string &path = kPenPath)
{
    SimulatedHidDevice device;
    device.path = path;
    device.hardwareIds = {"HID\\VID_5A4C&PID_0064&MI_02"};
    device.vendorId = 0x5A4C;
    device.productId = 0x0064;
    device.usagePage = 0xFF0A;
    device.inputReportLength = 4;
    device.outputReportLength = 3;
    device.indexedStrings[2] = SimulatedHidDescription::utf16String(QStringLiteral("Pen"));
    device.indexedStrings[20] = {0x10, 0x27, 0x88, 0x13};
    return device;
}

std::unique_ptr<SimulatedHidBus> busWith(const SimulatedHidDevice &device)
{
    auto bus = std::make_unique<SimulatedHidBus>();
    EXPECT_EQ(bus->addDevice(device), SimulatedHidBus::AddResult::Added);
    return bus;
}

Bytes readBuffer(std::size_t size = 4)
{
    return Bytes(size, 0xEE);
}

HidIoStatus writeBytes(IHidHandle &handle, const Bytes &report)
{
    return handle.write(report.data(), report.size(), 100ms);
}

// What a device's read thread does: read until told to stop or until the device fails.
// True when it ended on a failure.
bool readUntilStoppedOrFailed(IHidHandle &handle, const std::atomic<bool> &stop)
{
    while (!stop) {
        Bytes buffer = readBuffer();
        if (handle.read(buffer, 20ms) == HidIoStatus::Failed)
            return true;
    }
    return false;
}

} // namespace

TEST(SimulatedHidBus, EnumeratesDevicesWithPathsAndHardwareIdsInTheOrderAdded)
{
    SimulatedHidBus bus;
    bus.addDevice(penInterface());
    SimulatedHidDevice other = penInterface(kOtherPath);
    other.hardwareIds.clear();
    bus.addDevice(other);

    const std::vector<HidInterface> found = bus.enumerateInterfaces();

    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].path, kPenPath);
    EXPECT_THAT(found[0].hardwareIds, ElementsAre("HID\\VID_5A4C&PID_0064&MI_02"));
    EXPECT_EQ(found[1].path, kOtherPath);
    EXPECT_TRUE(found[1].hardwareIds.empty());
}

TEST(SimulatedHidBus, RefusesASecondDeviceOnAPathInUseWhateverTheCase)
{
    auto bus = busWith(penInterface());
    SimulatedHidDevice twin =
            penInterface("\\\\?\\HID#VID_5A4C&PID_0064&MI_02#8&1F00&0&0000#{4D1E55B2}");

    EXPECT_EQ(bus->addDevice(twin), SimulatedHidBus::AddResult::PathInUse);
    EXPECT_EQ(bus->enumerateInterfaces().size(), 1u);
}

TEST(SimulatedHidBus, OpensAPathWithoutRegardToCaseAndTellsAttributesAndCapabilities)
{
    auto bus = busWith(penInterface());

    auto handle = bus->open("\\\\?\\HID#VID_5A4C&PID_0064&MI_02#8&1F00&0&0000#{4D1E55B2}");

    ASSERT_TRUE(handle);
    EXPECT_EQ(handle->attributes().vendorId, 0x5A4C);
    EXPECT_EQ(handle->attributes().productId, 0x0064);
    EXPECT_EQ(handle->capabilities().usagePage, 0xFF0A);
    EXPECT_EQ(handle->capabilities().inputReportLength, 4);
    EXPECT_EQ(handle->capabilities().outputReportLength, 3);
    EXPECT_EQ(bus->openHandleCount(kPenPath), 1u);
}

TEST(SimulatedHidBus, OpeningAnUnknownPathGivesNoHandle)
{
    auto bus = busWith(penInterface());

    EXPECT_FALSE(bus->open(kOtherPath));
    EXPECT_FALSE(bus->open(""));
}

TEST(SimulatedHidBus, AReadOnAnIdleDeviceTimesOutAfterItsTimeOut)
{
    auto bus = busWith(penInterface());
    auto handle = bus->open(kPenPath);
    Bytes buffer = readBuffer();

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(handle->read(buffer, 20ms), HidIoStatus::TimedOut);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 20ms);
}

TEST(SimulatedHidBus, AReadReturnsAFedReportPaddedToTheInputReportLength)
{
    auto bus = busWith(penInterface());
    auto handle = bus->open(kPenPath);
    ASSERT_TRUE(bus->feedReport(kPenPath, {9, 0x41}));
    Bytes buffer = readBuffer();

    EXPECT_EQ(handle->read(buffer, 20ms), HidIoStatus::Completed);
    EXPECT_THAT(buffer, ElementsAre(9, 0x41, 0, 0));
}

TEST(SimulatedHidBus, ReportsAreReadInTheOrderTheyWereFed)
{
    auto bus = busWith(penInterface());
    auto handle = bus->open(kPenPath);
    bus->feedReport(kPenPath, {1, 1, 1, 1});
    bus->feedReport(kPenPath, {2, 2, 2, 2});
    Bytes first = readBuffer();
    Bytes second = readBuffer();

    handle->read(first, 20ms);
    handle->read(second, 20ms);

    EXPECT_THAT(first, ElementsAre(1, 1, 1, 1));
    EXPECT_THAT(second, ElementsAre(2, 2, 2, 2));
}

TEST(SimulatedHidBus, AWaitingReadCompletesWhenAReportIsFed)
{
    auto bus = busWith(penInterface());
    auto handle = bus->open(kPenPath);
    auto reading = std::async(std::launch::async, [&] {
        Bytes buffer = readBuffer();
        return handle->read(buffer, 10s);
    });

    std::this_thread::sleep_for(10ms);
    bus->feedReport(kPenPath, {9, 0x41, 0xA0, 0});

    ASSERT_EQ(reading.wait_for(5s), std::future_status::ready);
    EXPECT_EQ(reading.get(), HidIoStatus::Completed);
}

TEST(SimulatedHidBus, EveryOpenHandleGetsItsOwnCopyOfEachReport)
{
    auto bus = busWith(penInterface());
    auto first = bus->open(kPenPath);
    auto second = bus->open(kPenPath);
    bus->feedReport(kPenPath, {7, 7, 7, 7});
    Bytes one = readBuffer();
    Bytes other = readBuffer();

    EXPECT_EQ(first->read(one, 20ms), HidIoStatus::Completed);
    EXPECT_EQ(second->read(other, 20ms), HidIoStatus::Completed);
    EXPECT_EQ(one, other);
}

TEST(SimulatedHidBus, AReportFedWhileNoHandleIsOpenIsLost)
{
    auto bus = busWith(penInterface());
    EXPECT_TRUE(bus->feedReport(kPenPath, {1, 2, 3, 4}));
    auto handle = bus->open(kPenPath);
    Bytes buffer = readBuffer();

    EXPECT_EQ(handle->read(buffer, 20ms), HidIoStatus::TimedOut);
}

TEST(SimulatedHidBus, AFullInputQueueDropsItsOldestReport)
{
    auto bus = busWith(penInterface());
    auto handle = bus->open(kPenPath);
    const std::size_t fed = SimulatedHidBusState::kInputBufferCount + 1;
    for (std::size_t i = 0; i < fed; ++i)
        bus->feedReport(kPenPath, {std::uint8_t(i)});
    Bytes buffer = readBuffer();

    handle->read(buffer, 20ms);

    EXPECT_EQ(buffer[0], 1);
}

TEST(SimulatedHidBus, RefusesToFeedAnUnknownPathAnEmptyReportOrOneLongerThanTheInputReport)
{
    auto bus = busWith(penInterface());

    EXPECT_FALSE(bus->feedReport(kOtherPath, {1}));
    EXPECT_FALSE(bus->feedReport(kPenPath, {}));
    EXPECT_FALSE(bus->feedReport(kPenPath, {1, 2, 3, 4, 5}));
}

TEST(SimulatedHidBus, AReadIntoABufferShorterThanTheInputReportFails)
{
    auto bus = busWith(penInterface());
    auto handle = bus->open(kPenPath);
    bus->feedReport(kPenPath, {1, 2, 3, 4});
    Bytes shortBuffer = readBuffer(3);
    Bytes empty;

    EXPECT_EQ(handle->read(shortBuffer, 20ms), HidIoStatus::Failed);
    EXPECT_EQ(handle->read(empty, 20ms), HidIoStatus::Failed);
}

TEST(SimulatedHidBus, ADeviceWithoutInputReportLengthDeliversReportsAsFed)
{
    SimulatedHidDevice device = penInterface();
    device.inputReportLength = 0;
    auto bus = busWith(device);
    auto handle = bus->open(kPenPath);
    bus->feedReport(kPenPath, {1, 2, 3, 4, 5, 6});
    Bytes buffer(13);

    EXPECT_EQ(handle->read(buffer, 20ms), HidIoStatus::Completed);
    EXPECT_THAT(buffer, ElementsAre(1, 2, 3, 4, 5, 6));
}

TEST(SimulatedHidBus, ReadsAfterRemovalFailAtOnce)
{
    auto bus = busWith(penInterface());
    auto handle = bus->open(kPenPath);
    bus->feedReport(kPenPath, {1, 2, 3, 4});

    ASSERT_TRUE(bus->removeDevice(kPenPath));
    Bytes buffer = readBuffer();

    EXPECT_EQ(handle->read(buffer, 10s), HidIoStatus::Failed);
    EXPECT_TRUE(bus->enumerateInterfaces().empty());
    EXPECT_FALSE(bus->open(kPenPath));
    EXPECT_FALSE(bus->removeDevice(kPenPath));
}

TEST(SimulatedHidBus, FailingReadsEndAtOnceUntilTheDeviceAnswersAgainAndEveryReadIsCountedPerHandle)
{
    auto bus = busWith(penInterface());
    auto first = bus->open(kPenPath);
    auto second = bus->open(kPenPath);
    Bytes buffer = readBuffer();
    ASSERT_TRUE(bus->setReadsFailing(kPenPath, true));
    bus->feedReport(kPenPath, {1, 2, 3, 4});

    EXPECT_EQ(first->read(buffer, 10s), HidIoStatus::Failed);
    EXPECT_EQ(first->read(buffer, 10s), HidIoStatus::Failed);
    ASSERT_TRUE(bus->setReadsFailing(kPenPath, false));
    EXPECT_EQ(second->read(buffer, 10s), HidIoStatus::Completed);
    EXPECT_EQ(bus->readCounts(kPenPath), std::vector<std::size_t>({2, 1}));
    EXPECT_FALSE(bus->setReadsFailing(kOtherPath, true));
}

TEST(SimulatedHidBus, RemovalWakesAWaitingReadWithFailure)
{
    auto bus = busWith(penInterface());
    auto handle = bus->open(kPenPath);
    auto reading = std::async(std::launch::async, [&] {
        Bytes buffer = readBuffer();
        return handle->read(buffer, 60s);
    });

    std::this_thread::sleep_for(10ms);
    bus->removeDevice(kPenPath);

    ASSERT_EQ(reading.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(reading.get(), HidIoStatus::Failed);
}

TEST(SimulatedHidBus, ClosingAHandleWakesItsWaitingReadAndFailsLaterRequests)
{
    auto bus = busWith(penInterface());
    auto handle = bus->open(kPenPath);
    auto reading = std::async(std::launch::async, [&] {
        Bytes buffer = readBuffer();
        return handle->read(buffer, 60s);
    });

    std::this_thread::sleep_for(10ms);
    handle->close();

    ASSERT_EQ(reading.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(reading.get(), HidIoStatus::Failed);
    EXPECT_EQ(writeBytes(*handle, {1, 2, 3}), HidIoStatus::Failed);
    Bytes text(8);
    EXPECT_EQ(handle->indexedString(2, text), HidIoStatus::Failed);
    EXPECT_EQ(bus->openHandleCount(kPenPath), 0u);
    handle->close();
}

TEST(SimulatedHidBus, ConcurrentReadsAndRemovalsNeitherHangNorCrashAndTheReaderStops)
{
    for (int round = 0; round < 50; ++round) {
        auto bus = busWith(penInterface());
        auto handle = bus->open(kPenPath);
        std::atomic<bool> stop{false};
        auto reader = std::async(std::launch::async, readUntilStoppedOrFailed, std::ref(*handle),
                                 std::cref(stop));
        for (int i = 0; i < round % 5; ++i)
            bus->feedReport(kPenPath, {9, 0x41, 0xA0, std::uint8_t(i)});

        bus->removeDevice(kPenPath);

        const bool ended = reader.wait_for(10s) == std::future_status::ready;
        stop = true;
        ASSERT_TRUE(ended) << "round " << round;
        EXPECT_TRUE(reader.get()) << "round " << round;
    }
}

TEST(SimulatedHidBus, AReplugOnTheSamePathLeavesOldHandlesFailed)
{
    auto bus = busWith(penInterface());
    auto old = bus->open(kPenPath);
    bus->removeDevice(kPenPath);
    bus->addDevice(penInterface());
    auto fresh = bus->open(kPenPath);
    bus->feedReport(kPenPath, {5, 5, 5, 5});
    Bytes oldBuffer = readBuffer();
    Bytes freshBuffer = readBuffer();

    EXPECT_EQ(old->read(oldBuffer, 20ms), HidIoStatus::Failed);
    EXPECT_EQ(fresh->read(freshBuffer, 20ms), HidIoStatus::Completed);
}

TEST(SimulatedHidBus, AHandleThatOutlivesItsBusFails)
{
    auto bus = busWith(penInterface());
    auto handle = bus->open(kPenPath);

    bus.reset();
    Bytes buffer = readBuffer();

    EXPECT_EQ(handle->read(buffer, 20ms), HidIoStatus::Failed);
    EXPECT_EQ(writeBytes(*handle, {1, 2, 3}), HidIoStatus::Failed);
}

TEST(SimulatedHidBus, WritesAreRecordedInOrderWithTheirTimeSinceTheDeviceWasOpened)
{
    auto bus = busWith(penInterface());
    auto handle = bus->open(kPenPath);

    ASSERT_EQ(writeBytes(*handle, {9, 1, 4}), HidIoStatus::Completed);
    std::this_thread::sleep_for(30ms);
    ASSERT_EQ(writeBytes(*handle, {9, 2, 2}), HidIoStatus::Completed);

    const std::vector<SimulatedOutputReport> written = bus->writtenReports(kPenPath);
    ASSERT_EQ(written.size(), 2u);
    EXPECT_THAT(written[0].bytes, ElementsAre(9, 1, 4));
    EXPECT_THAT(written[1].bytes, ElementsAre(9, 2, 2));
    EXPECT_GE(written[0].sinceOpen, 0ms);
    EXPECT_GE(written[1].sinceOpen - written[0].sinceOpen, 29ms);
    EXPECT_LE(written[0].writtenAt, written[1].writtenAt);
}

TEST(SimulatedHidBus, WritesFromEveryHandleOfADeviceShareOneRecord)
{
    auto bus = busWith(penInterface());
    auto pointer = bus->open(kPenPath);
    auto keyboard = bus->open(kPenPath);

    writeBytes(*pointer, {9, 10, 2});
    writeBytes(*keyboard, {9, 9, 0});

    EXPECT_EQ(bus->writtenReports(kPenPath).size(), 2u);
}

TEST(SimulatedHidBus, AWriteOfAnotherLengthThanTheOutputReportFailsAndIsNotRecorded)
{
    auto bus = busWith(penInterface());
    auto handle = bus->open(kPenPath);

    EXPECT_EQ(writeBytes(*handle, {9, 1}), HidIoStatus::Failed);
    EXPECT_EQ(writeBytes(*handle, {9, 1, 2, 3}), HidIoStatus::Failed);
    EXPECT_EQ(handle->write(nullptr, 3, 20ms), HidIoStatus::Failed);
    EXPECT_TRUE(bus->writtenReports(kPenPath).empty());
}

TEST(SimulatedHidBus, AStalledDeviceLetsWritesTimeOutUntilItTakesReportsAgain)
{
    auto bus = busWith(penInterface());
    auto handle = bus->open(kPenPath);
    const Bytes report = {9, 1, 4};

    bus->setWritesStalled(kPenPath, true);
    EXPECT_EQ(handle->write(report.data(), report.size(), 5ms), HidIoStatus::TimedOut);
    bus->setWritesStalled(kPenPath, false);
    EXPECT_EQ(handle->write(report.data(), report.size(), 5ms), HidIoStatus::Completed);

    EXPECT_EQ(bus->writtenReports(kPenPath).size(), 1u);
}

TEST(SimulatedHidBus, WaitingForWrittenReportsEndsWhenTheyAreThere)
{
    auto bus = busWith(penInterface());
    auto handle = bus->open(kPenPath);
    std::thread writer([&] { writeBytes(*handle, {9, 1, 4}); });

    EXPECT_TRUE(bus->waitForWrittenReports(kPenPath, 1, 10s));
    writer.join();
    EXPECT_FALSE(bus->waitForWrittenReports(kPenPath, 2, 20ms));
    EXPECT_FALSE(bus->waitForWrittenReports(kOtherPath, 0, 20ms));
}

TEST(SimulatedHidBus, TheOutputLogGetsOneLineAReportWithMillisecondsAndHexBytes)
{
    QTemporaryDir folder;
    SimulatedHidDevice device = penInterface();
    device.outputLogPath = folder.filePath(QStringLiteral("written.txt"));
    auto bus = busWith(device);
    auto handle = bus->open(kPenPath);

    writeBytes(*handle, {9, 0x0A, 0xFF});
    writeBytes(*handle, {9, 0x01, 0x02});

    QFile log(device.outputLogPath);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const SimulatedHidDescription::Reports lines =
            SimulatedHidDescription::parseReportLines(log.readAll());
    ASSERT_TRUE(lines.error.isEmpty()) << lines.error.toStdString();
    ASSERT_EQ(lines.reports.size(), 2u);
    EXPECT_THAT(lines.reports[0].bytes, ElementsAre(9, 0x0A, 0xFF));
    EXPECT_THAT(lines.reports[1].bytes, ElementsAre(9, 0x01, 0x02));
    EXPECT_EQ(lines.reports[0].delay, bus->writtenReports(kPenPath)[0].sinceOpen);
}

TEST(SimulatedHidBus, AnOutputLogThatCannotBeCreatedKeepsTheDeviceOff)
{
    QTemporaryDir folder;
    SimulatedHidDevice device = penInterface();
    device.outputLogPath = folder.filePath(QStringLiteral("missing/folder/written.txt"));
    SimulatedHidBus bus;

    EXPECT_EQ(bus.addDevice(device), SimulatedHidBus::AddResult::OutputLogNotWritable);
    EXPECT_TRUE(bus.enumerateInterfaces().empty());
}

TEST(SimulatedHidBus, AnIndexedStringFillsTheBufferAndZeroesTheRest)
{
    auto bus = busWith(penInterface());
    auto handle = bus->open(kPenPath);
    Bytes text(10, 0xEE);
    Bytes raw(6, 0xEE);

    EXPECT_EQ(handle->indexedString(2, text), HidIoStatus::Completed);
    EXPECT_EQ(handle->indexedString(20, raw), HidIoStatus::Completed);

    EXPECT_THAT(text, ElementsAre('P', 0, 'e', 0, 'n', 0, 0, 0, 0, 0));
    EXPECT_THAT(raw, ElementsAre(0x10, 0x27, 0x88, 0x13, 0, 0));
}

TEST(SimulatedHidBus, AnIndexedStringLongerThanTheBufferIsCutToIt)
{
    auto bus = busWith(penInterface());
    auto handle = bus->open(kPenPath);
    Bytes buffer(3);

    EXPECT_EQ(handle->indexedString(20, buffer), HidIoStatus::Completed);
    EXPECT_THAT(buffer, ElementsAre(0x10, 0x27, 0x88));
}

TEST(SimulatedHidBus, AnIndexedStringTheDeviceDoesNotHaveFails)
{
    auto bus = busWith(penInterface());
    auto handle = bus->open(kPenPath);
    Bytes buffer(32);
    Bytes empty;

    EXPECT_EQ(handle->indexedString(23, buffer), HidIoStatus::Failed);
    EXPECT_EQ(handle->indexedString(2, empty), HidIoStatus::Failed);
}

TEST(SimulatedHidBus, AReplayStartsWithTheFirstReadAndDeliversItsReportsInOrder)
{
    SimulatedHidDevice device = penInterface();
    device.inputReports = {{5ms, {1, 1, 1, 1}}, {5ms, {2, 2, 2, 2}}, {0ms, {3, 3, 3, 3}}};
    auto bus = busWith(device);
    auto handle = bus->open(kPenPath);
    std::this_thread::sleep_for(20ms);
    EXPECT_FALSE(bus->waitForReplayEnd(kPenPath, 0ms));

    std::vector<Bytes> received;
    for (int i = 0; i < 3; ++i) {
        Bytes buffer = readBuffer();
        ASSERT_EQ(handle->read(buffer, 10s), HidIoStatus::Completed);
        received.push_back(buffer);
    }

    EXPECT_THAT(received, ElementsAre(Bytes{1, 1, 1, 1}, Bytes{2, 2, 2, 2}, Bytes{3, 3, 3, 3}));
    EXPECT_TRUE(bus->waitForReplayEnd(kPenPath, 10s));
}

TEST(SimulatedHidBus, AReplayKeepsItsDelays)
{
    SimulatedHidDevice device = penInterface();
    device.inputReports = {{0ms, {1}}, {40ms, {2}}};
    auto bus = busWith(device);
    auto handle = bus->open(kPenPath);
    Bytes first = readBuffer();
    Bytes second = readBuffer();

    const auto beforeFirstRead = std::chrono::steady_clock::now();
    ASSERT_EQ(handle->read(first, 10s), HidIoStatus::Completed);
    ASSERT_EQ(handle->read(second, 10s), HidIoStatus::Completed);

    EXPECT_GE(std::chrono::steady_clock::now() - beforeFirstRead, 40ms);
}

TEST(SimulatedHidBus, RemovingADeviceInTheMiddleOfItsReplayStopsTheReplay)
{
    SimulatedHidDevice device = penInterface();
    device.inputReports = {{0ms, {1}}, {std::chrono::hours(1), {2}}};
    auto bus = busWith(device);
    auto handle = bus->open(kPenPath);
    Bytes buffer = readBuffer();
    ASSERT_EQ(handle->read(buffer, 10s), HidIoStatus::Completed);

    auto removing = std::async(std::launch::async, [&] { return bus->removeDevice(kPenPath); });

    ASSERT_EQ(removing.wait_for(10s), std::future_status::ready);
    EXPECT_TRUE(removing.get());
}

TEST(SimulatedHidBus, DestroyingABusWhoseReplayNeverStartedDoesNotWait)
{
    SimulatedHidDevice device = penInterface();
    device.inputReports = {{0ms, {1}}};
    auto bus = busWith(device);

    auto destroying = std::async(std::launch::async, [&] { bus.reset(); });

    EXPECT_EQ(destroying.wait_for(10s), std::future_status::ready);
}
