#include "engine/hid/UsbDevice_Win32Private.h"

#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/hid/simulated/SimulatedHidDescription.h"

#include <gmock/gmock.h>

#include <future>
#include <thread>

using namespace std::chrono_literals;
using testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

namespace {

const std::string kTabletPath = "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#1";
const std::string kVirtualPath = "\\\\?\\hid#qz_virtual_tablet#1";

class UsbDevice_Win32PrivateTest : public testing::Test
{
protected:
    UsbDevice_Win32PrivateTest()
    {
        SimulatedHidDevice tablet;
        tablet.path = kTabletPath;
        tablet.vendorId = 0x5A4C;
        tablet.productId = 0x0064;
        tablet.inputReportLength = 13;
        tablet.outputReportLength = 13;
        tablet.indexedStrings[2] = SimulatedHidDescription::utf16String(QStringLiteral("QZ-Pen 6"));
        bus->addDevice(tablet);

        SimulatedHidDevice virtualDevice;
        virtualDevice.path = kVirtualPath;
        virtualDevice.vendorId = 0x5A4C;
        virtualDevice.productId = 0xFFFE;
        virtualDevice.outputReportLength = 65;
        bus->addDevice(virtualDevice);
    }

    std::shared_ptr<SimulatedHidBus> bus = std::make_shared<SimulatedHidBus>();
    UsbDevice_Win32Private device{bus};
};

} // namespace

TEST_F(UsbDevice_Win32PrivateTest, OpeningTakesOverIdsReportLengthsAndPath)
{
    ASSERT_TRUE(device.open(kTabletPath));

    EXPECT_TRUE(device.isOpen());
    EXPECT_EQ(device.vendorId(), 0x5A4C);
    EXPECT_EQ(device.productId(), 0x0064);
    EXPECT_EQ(device.inputReportLength(), 13);
    EXPECT_EQ(device.outputReportLength(), 13);
    EXPECT_EQ(device.path(), kTabletPath);
}

TEST_F(UsbDevice_Win32PrivateTest, OpeningAPathThatIsNotThereFailsAndLeavesItClosed)
{
    EXPECT_FALSE(device.open("\\\\?\\hid#absent"));

    EXPECT_FALSE(device.isOpen());
    EXPECT_EQ(device.vendorId(), 0);
    EXPECT_TRUE(device.path().empty());
}

TEST_F(UsbDevice_Win32PrivateTest, WithoutABackendNothingOpens)
{
    UsbDevice_Win32Private orphan(nullptr);

    EXPECT_FALSE(orphan.open(kTabletPath));
}

TEST_F(UsbDevice_Win32PrivateTest, OpeningAnotherPathClosesTheFirst)
{
    device.open(kTabletPath);

    ASSERT_TRUE(device.open(kVirtualPath));

    EXPECT_EQ(device.productId(), 0xFFFE);
    EXPECT_EQ(bus->openHandleCount(kTabletPath), 0u);
    EXPECT_EQ(bus->openHandleCount(kVirtualPath), 1u);
}

TEST_F(UsbDevice_Win32PrivateTest, AnEmptyStringBufferIsRequestedWith64Bytes)
{
    device.open(kTabletPath);
    Bytes buffer;

    ASSERT_TRUE(device.indexedString(2, buffer));

    EXPECT_EQ(buffer.size(), 64u);
    EXPECT_EQ(buffer[0], 'Q');
}

TEST_F(UsbDevice_Win32PrivateTest, AGivenStringBufferKeepsItsSize)
{
    device.open(kTabletPath);
    Bytes buffer(32);

    ASSERT_TRUE(device.indexedString(2, buffer));

    EXPECT_EQ(buffer.size(), 32u);
}

TEST_F(UsbDevice_Win32PrivateTest, AStringTheDeviceLacksFails)
{
    device.open(kTabletPath);
    Bytes buffer;

    EXPECT_FALSE(device.indexedString(23, buffer));
}

TEST_F(UsbDevice_Win32PrivateTest, AReportIsWrittenWhole)
{
    device.open(kVirtualPath);
    Bytes report(65, 0);
    report[0] = 9;

    EXPECT_TRUE(device.write(report, 5ms));

    ASSERT_EQ(bus->writtenReports(kVirtualPath).size(), 1u);
    EXPECT_EQ(bus->writtenReports(kVirtualPath)[0].bytes, report);
}

TEST_F(UsbDevice_Win32PrivateTest, AnEmptyReportOrAClosedDeviceWritesNothing)
{
    const Bytes report(65, 9);
    EXPECT_FALSE(device.write(report, 5ms));

    device.open(kVirtualPath);
    EXPECT_FALSE(device.write(Bytes(), 5ms));
    EXPECT_FALSE(device.write(nullptr, 65, 5ms));

    device.close();
    EXPECT_FALSE(device.write(report, 5ms));
    EXPECT_TRUE(bus->writtenReports(kVirtualPath).empty());
}

TEST_F(UsbDevice_Win32PrivateTest, AWriteThatDoesNotCompleteInTimeFails)
{
    device.open(kVirtualPath);
    bus->setWritesStalled(kVirtualPath, true);

    EXPECT_FALSE(device.write(Bytes(65, 9), 5ms));
}

TEST_F(UsbDevice_Win32PrivateTest, ReadsTellATimeOutFromAFailure)
{
    device.open(kTabletPath);
    Bytes buffer(13);

    EXPECT_EQ(device.read(buffer, 20ms), HidIoStatus::TimedOut);
    bus->feedReport(kTabletPath, {9, 0x41, 0xA0});
    EXPECT_EQ(device.read(buffer, 20ms), HidIoStatus::Completed);
    EXPECT_THAT(buffer, ElementsAre(9, 0x41, 0xA0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    bus->removeDevice(kTabletPath);
    EXPECT_EQ(device.read(buffer, 20ms), HidIoStatus::Failed);
}

TEST_F(UsbDevice_Win32PrivateTest, AClosedDeviceFailsEveryRequest)
{
    device.open(kTabletPath);
    device.close();
    Bytes buffer(13);
    Bytes text;

    EXPECT_FALSE(device.isOpen());
    EXPECT_EQ(device.read(buffer, 20ms), HidIoStatus::Failed);
    EXPECT_FALSE(device.indexedString(2, text));
    EXPECT_EQ(bus->openHandleCount(kTabletPath), 0u);
    device.close();
}

TEST_F(UsbDevice_Win32PrivateTest, ClosingFromAnotherThreadEndsAWaitingRead)
{
    device.open(kTabletPath);
    auto reading = std::async(std::launch::async, [&] {
        Bytes buffer(13);
        return device.read(buffer, 60s);
    });

    std::this_thread::sleep_for(10ms);
    device.close();

    ASSERT_EQ(reading.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(reading.get(), HidIoStatus::Failed);
}

TEST_F(UsbDevice_Win32PrivateTest, DestroyingItClosesTheHandle)
{
    {
        UsbDevice_Win32Private scoped(bus);
        scoped.open(kTabletPath);
        EXPECT_EQ(bus->openHandleCount(kTabletPath), 1u);
    }

    EXPECT_EQ(bus->openHandleCount(kTabletPath), 0u);
}
