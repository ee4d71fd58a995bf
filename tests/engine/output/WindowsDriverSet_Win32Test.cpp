#include "engine/output/WindowsDriverSet_Win32.h"

#include "engine/hid/simulated/SimulatedHidBus.h"

#include "engine/support/RecordingReportSink.h"
#include "engine/support/SimulatedVirtualDevice.h"
#include "engine/support/UniqueWintabNames.h"

#include "BuildConfig.h"

#include <gtest/gtest.h>

#include <memory>

// The program's drivers with the real system state; the virtual device is simulated, with the
// vendor id this build is configured for.
namespace {

class WindowsDriverSetTest : public testing::Test
{
protected:
    WindowsDriverSetTest()
    {
        SimulatedHidDevice device = simulatedVirtualDevice();
        device.vendorId = BuildConfig::kVendorId;
        virtualDevice = device;
    }

    std::shared_ptr<SimulatedHidBus> bus = std::make_shared<SimulatedHidBus>();
    SimulatedHidDevice virtualDevice;
};

} // namespace

TEST_F(WindowsDriverSetTest, WithoutTheVirtualDeviceNothingOpens)
{
    const std::unique_ptr<DriverInterfaceSet> drivers = createWindowsDriverSet(bus, uniqueWintabNames());

    drivers->openAll();

    EXPECT_EQ(drivers->status(), 0u);
}

TEST_F(WindowsDriverSetTest, BothDriversOpenOnTheVirtualDevice)
{
    bus->addDevice(virtualDevice);
    const std::unique_ptr<DriverInterfaceSet> drivers = createWindowsDriverSet(bus, uniqueWintabNames());

    drivers->openAll();

    EXPECT_EQ(drivers->status(), 3u);
    EXPECT_EQ(bus->openHandleCount(virtualDevice.path), 2u);
}

TEST_F(WindowsDriverSetTest, APenEventAndAKeyPressReachTheDeviceUnderThisSystemsSessionRule)
{
    bus->addDevice(virtualDevice);
    const std::unique_ptr<DriverInterfaceSet> drivers = createWindowsDriverSet(bus, uniqueWintabNames());
    drivers->openAll();

    ASSERT_TRUE(drivers->pointerDriver()->sendPointerEvent(
            std::make_shared<DigitizerPointerEvent>(0x0102, 0x0304, 0, 0, 0, 0xA0, 0, 0)));
    ASSERT_TRUE(drivers->keyboardDriver()->sendKey(
            std::make_shared<KeyboardEvent>(KeyboardEvent::Shift, 0x04, -1, true), 0));

    const std::vector<SimulatedOutputReport> written = bus->writtenReports(virtualDevice.path);
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0].bytes, zeroPaddedReport({9, 10, 2, 0x20, 0x02, 0x01, 0x04, 0x03}));
    EXPECT_EQ(written[1].bytes, zeroPaddedReport({9, 9, 4, 0x02, 0, 0x04, 0xFF}));
}

TEST_F(WindowsDriverSetTest, TheDriversReleaseTheDeviceWhenTheSetIsDestroyed)
{
    bus->addDevice(virtualDevice);
    createWindowsDriverSet(bus, uniqueWintabNames())->openAll();

    EXPECT_EQ(bus->openHandleCount(virtualDevice.path), 0u);
}
