#include "engine/output/VirtualHidReportSink.h"

#include "engine/hid/simulated/SimulatedHidBus.h"

#include "engine/support/RecordingReportSink.h"
#include "engine/support/SimulatedVirtualDevice.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

class VirtualHidReportSinkTest : public testing::Test
{
protected:
    std::shared_ptr<SimulatedHidBus> bus = std::make_shared<SimulatedHidBus>();
    VirtualHidReportSink sink{bus, kTestVendorId};
    const Bytes report = zeroPaddedReport({9, 10, 2, 0x21, 0x34, 0x12});
};

} // namespace

TEST_F(VirtualHidReportSinkTest, OpeningFailsWhenTheVirtualDeviceIsAbsent)
{
    EXPECT_FALSE(sink.open());
    EXPECT_FALSE(sink.device()->isOpen());
}

TEST_F(VirtualHidReportSinkTest, OpeningFailsWithoutABackend)
{
    VirtualHidReportSink orphan(nullptr, kTestVendorId);

    EXPECT_FALSE(orphan.open());
    EXPECT_FALSE(orphan.writeReport(report.data(), report.size()));
}

TEST_F(VirtualHidReportSinkTest, OpeningKeepsAHandleOnTheFoundDevice)
{
    bus->addDevice(simulatedVirtualDevice());

    ASSERT_TRUE(sink.open());
    EXPECT_EQ(sink.device()->path(), kVirtualDevicePath);
    EXPECT_EQ(bus->openHandleCount(kVirtualDevicePath), 1u);
}

TEST_F(VirtualHidReportSinkTest, AWrittenReportReachesTheDeviceByteForByte)
{
    bus->addDevice(simulatedVirtualDevice());
    ASSERT_TRUE(sink.open());

    EXPECT_TRUE(sink.writeReport(report.data(), report.size()));

    EXPECT_EQ(writtenBytes(bus->writtenReports(kVirtualDevicePath), 0), report);
}

TEST_F(VirtualHidReportSinkTest, NothingIsWrittenBeforeOpen)
{
    bus->addDevice(simulatedVirtualDevice());

    EXPECT_FALSE(sink.writeReport(report.data(), report.size()));
    EXPECT_TRUE(bus->writtenReports(kVirtualDevicePath).empty());
}

TEST_F(VirtualHidReportSinkTest, AWriteTheDeviceDoesNotTakeInTimeFails)
{
    bus->addDevice(simulatedVirtualDevice());
    ASSERT_TRUE(sink.open());
    bus->setWritesStalled(kVirtualDevicePath, true);

    EXPECT_FALSE(sink.writeReport(report.data(), report.size()));
    EXPECT_TRUE(bus->writtenReports(kVirtualDevicePath).empty());
}

TEST_F(VirtualHidReportSinkTest, WritesFailOnceTheDeviceIsGone)
{
    bus->addDevice(simulatedVirtualDevice());
    ASSERT_TRUE(sink.open());
    bus->removeDevice(kVirtualDevicePath);

    EXPECT_FALSE(sink.writeReport(report.data(), report.size()));
}

TEST_F(VirtualHidReportSinkTest, AReportOfTheWrongLengthIsRefused)
{
    bus->addDevice(simulatedVirtualDevice());
    ASSERT_TRUE(sink.open());
    const Bytes shortReport(64, 9);

    EXPECT_FALSE(sink.writeReport(shortReport.data(), shortReport.size()));
}
