#include "engine/output/VirtualHidDevice.h"

#include "engine/hid/simulated/SimulatedHidBus.h"

#include "engine/support/SimulatedVirtualDevice.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// A bus on which some listed paths cannot be opened, as a device that another program holds
// exclusively or that went away between enumeration and open.
class UnopenablePathsBackend : public IHidBackend
{
public:
    UnopenablePathsBackend(SimulatedHidBus &bus, std::set<std::string> unopenable)
        : bus(bus), unopenable(std::move(unopenable))
    {
    }

    std::vector<HidInterface> enumerateInterfaces() override { return bus.enumerateInterfaces(); }

    std::unique_ptr<IHidHandle> open(const std::string &path) override
    {
        ++opens;
        return unopenable.count(path) ? nullptr : bus.open(path);
    }

    int opens = 0;

private:
    SimulatedHidBus &bus;
    const std::set<std::string> unopenable;
};

struct Candidate
{
    const char *description;
    std::function<void(SimulatedHidDevice &)> change;
};

class VirtualHidDeviceCandidateTest : public testing::TestWithParam<Candidate>
{
};

} // namespace

TEST(VirtualHidDevice, TheVirtualDeviceIsFoundByItsPath)
{
    SimulatedHidBus bus;
    bus.addDevice(simulatedVirtualDevice());

    EXPECT_EQ(findVirtualHidDevice(bus, kTestVendorId, 0xFFFE), kVirtualDevicePath);
}

TEST(VirtualHidDevice, AnEmptyBusHasNoVirtualDevice)
{
    SimulatedHidBus bus;

    EXPECT_EQ(findVirtualHidDevice(bus, kTestVendorId, 0xFFFE), "");
}

TEST_P(VirtualHidDeviceCandidateTest, AnInterfaceThatDiffersInOneRespectIsNotTheVirtualDevice)
{
    SimulatedHidDevice device = simulatedVirtualDevice();
    GetParam().change(device);
    SimulatedHidBus bus;
    bus.addDevice(device);

    EXPECT_EQ(findVirtualHidDevice(bus, kTestVendorId, 0xFFFE), "") << GetParam().description;
}

INSTANTIATE_TEST_SUITE_P(
        OneRespect, VirtualHidDeviceCandidateTest,
        testing::Values(
                Candidate{"usage page of a keyboard", [](SimulatedHidDevice &d) { d.usagePage = 0x0001; }},
                Candidate{"vendor-defined usage page FF01", [](SimulatedHidDevice &d) { d.usagePage = 0xFF01; }},
                Candidate{"product id of a tablet", [](SimulatedHidDevice &d) { d.productId = 0x0064; }},
                Candidate{"product id FFFF", [](SimulatedHidDevice &d) { d.productId = 0xFFFF; }},
                Candidate{"another vendor", [](SimulatedHidDevice &d) { d.vendorId = 0x1234; }},
                Candidate{"path without the word", [](SimulatedHidDevice &d) { d.path = "\\\\?\\hid#qz_virtual_pad#1"; }},
                Candidate{"word in upper case only", [](SimulatedHidDevice &d) { d.path = "\\\\?\\HID#QZ_VIRTUAL_TABLET#1"; }},
                Candidate{"no hardware id", [](SimulatedHidDevice &d) { d.hardwareIds.clear(); }}),
        [](const testing::TestParamInfo<Candidate> &info) {
            std::string name;
            for (const char c : std::string(info.param.description))
                if (std::isalnum(static_cast<unsigned char>(c)))
                    name += c;
            return name;
        });

TEST(VirtualHidDevice, TheSearchAsksForTheGivenVendorAndProductIds)
{
    SimulatedHidDevice device = simulatedVirtualDevice();
    device.vendorId = 0x0B57;
    device.productId = 0x1234;
    SimulatedHidBus bus;
    bus.addDevice(device);

    EXPECT_EQ(findVirtualHidDevice(bus, 0x0B57, 0x1234), kVirtualDevicePath);
    EXPECT_EQ(findVirtualHidDevice(bus, kTestVendorId, 0xFFFE), "");
}

TEST(VirtualHidDevice, TheFirstMatchInEnumerationOrderWins)
{
    SimulatedHidBus bus;
    bus.addDevice(simulatedVirtualDevice("\\\\?\\hid#qz_virtual_tablet#2"));
    bus.addDevice(simulatedVirtualDevice("\\\\?\\hid#qz_virtual_tablet#1"));

    EXPECT_EQ(findVirtualHidDevice(bus, kTestVendorId, 0xFFFE), "\\\\?\\hid#qz_virtual_tablet#2");
}

TEST(VirtualHidDevice, NonMatchingInterfacesBeforeItArePassedOver)
{
    SimulatedHidDevice keyboardCollection = simulatedVirtualDevice("\\\\?\\hid#qz_virtual_tablet&col02#1");
    keyboardCollection.usagePage = 0x0001;
    SimulatedHidBus bus;
    bus.addDevice(keyboardCollection);
    bus.addDevice(simulatedVirtualDevice());

    EXPECT_EQ(findVirtualHidDevice(bus, kTestVendorId, 0xFFFE), kVirtualDevicePath);
}

TEST(VirtualHidDevice, APathThatCannotBeOpenedIsSkipped)
{
    const std::string held = "\\\\?\\hid#qz_virtual_tablet#0";
    SimulatedHidBus bus;
    bus.addDevice(simulatedVirtualDevice(held));
    bus.addDevice(simulatedVirtualDevice());
    UnopenablePathsBackend backend(bus, {held});

    EXPECT_EQ(findVirtualHidDevice(backend, kTestVendorId, 0xFFFE), kVirtualDevicePath);
    EXPECT_EQ(backend.opens, 2);
}

TEST(VirtualHidDevice, OnlyPathsWithTheWordAreOpened)
{
    SimulatedHidDevice mouse = simulatedVirtualDevice("\\\\?\\hid#vid_046d&pid_c077#1");
    SimulatedHidBus bus;
    bus.addDevice(mouse);
    UnopenablePathsBackend backend(bus, {});

    EXPECT_EQ(findVirtualHidDevice(backend, kTestVendorId, 0xFFFE), "");
    EXPECT_EQ(backend.opens, 0);
}

TEST(VirtualHidDevice, EveryHandleOpenedForTheSearchIsClosedAgain)
{
    SimulatedHidDevice other = simulatedVirtualDevice("\\\\?\\hid#qz_virtual_tablet&col02#1");
    other.usagePage = 0x000D;
    SimulatedHidBus bus;
    bus.addDevice(other);
    bus.addDevice(simulatedVirtualDevice());

    ASSERT_EQ(findVirtualHidDevice(bus, kTestVendorId, 0xFFFE), kVirtualDevicePath);
    EXPECT_EQ(bus.openHandleCount(other.path), 0u);
    EXPECT_EQ(bus.openHandleCount(kVirtualDevicePath), 0u);
}
