#include "engine/hid/HidPathEnumeration.h"

#include "engine/hid/simulated/SimulatedHidBus.h"

#include <gmock/gmock.h>

using testing::ElementsAre;

namespace {

SimulatedHidDevice interfaceAt(const std::string &path, bool withHardwareId = true)
{
    SimulatedHidDevice device;
    device.path = path;
    if (withHardwareId)
        device.hardwareIds = {"HID\\SOMETHING"};
    return device;
}

} // namespace

TEST(HidPathEnumeration, WithoutAFilterEveryPathWithAHardwareIdComesAsItIs)
{
    SimulatedHidBus bus;
    bus.addDevice(interfaceAt("\\\\?\\HID#VID_046D&PID_C077#7&1"));
    bus.addDevice(interfaceAt("\\\\?\\hid#no_ids#1", false));
    bus.addDevice(interfaceAt("\\\\?\\hid#qz_virtual_tablet#1"));

    EXPECT_THAT(enumerateHidPaths(bus, ""),
                ElementsAre("\\\\?\\HID#VID_046D&PID_C077#7&1", "\\\\?\\hid#qz_virtual_tablet#1"));
}

TEST(HidPathEnumeration, AFilterKeepsThirdInterfacesOfThatVendorInLowerCase)
{
    SimulatedHidBus bus;
    bus.addDevice(interfaceAt("\\\\?\\HID#VID_5A4C&PID_0064&MI_02#8&1"));
    bus.addDevice(interfaceAt("\\\\?\\hid#vid_5a4c&pid_0064&mi_00#8&2"));
    bus.addDevice(interfaceAt("\\\\?\\hid#vid_1234&pid_0064&mi_02#8&3"));
    bus.addDevice(interfaceAt("\\\\?\\hid#vid_5a4c&pid_0065&mi_02#8&4"));
    bus.addDevice(interfaceAt("\\\\?\\hid#vid_5a4c&pid_0066&mi_02#8&5", false));

    EXPECT_THAT(enumerateHidPaths(bus, "5A4C"),
                ElementsAre("\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&1",
                            "\\\\?\\hid#vid_5a4c&pid_0065&mi_02#8&4"));
}

TEST(HidPathEnumeration, TheFilterIsComparedInUpperCase)
{
    SimulatedHidBus bus;
    bus.addDevice(interfaceAt("\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&1"));

    EXPECT_EQ(enumerateHidPaths(bus, "5a4c").size(), 1u);
}

TEST(HidPathEnumeration, TabletPathsUseTheVendorIdAsFourUpperCaseHexDigits)
{
    SimulatedHidBus bus;
    bus.addDevice(interfaceAt("\\\\?\\hid#vid_0a1b&pid_0001&mi_02#1"));
    bus.addDevice(interfaceAt("\\\\?\\hid#vid_a1b&pid_0001&mi_02#2"));

    EXPECT_THAT(enumerateTabletHidPaths(bus, 0x0A1B),
                ElementsAre("\\\\?\\hid#vid_0a1b&pid_0001&mi_02#1"));
}

TEST(HidPathEnumeration, NoInterfacesGiveNoPaths)
{
    SimulatedHidBus bus;

    EXPECT_TRUE(enumerateHidPaths(bus, "").empty());
    EXPECT_TRUE(enumerateTabletHidPaths(bus, 0x5A4C).empty());
}
