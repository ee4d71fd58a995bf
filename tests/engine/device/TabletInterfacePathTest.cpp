#include "engine/device/TabletInterfacePath.h"

#include <gtest/gtest.h>

namespace {

struct PathCase
{
    const char *path;
    bool tablet;
};

} // namespace

TEST(TabletInterfacePath, MatchesVendorAndThirdInterfaceWhateverTheCase)
{
    const PathCase cases[] = {
        {"\\\\?\\HID#VID_5A4C&PID_0031&MI_02#7&1a2b3c&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", true},
        {"\\\\?\\hid#vid_5a4c&pid_0031&mi_02#7&1a2b3c&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", true},
        {"\\\\?\\HID#VID_5A4C&PID_0031&MI_00#7&1a2b3c&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", false},
        {"\\\\?\\HID#VID_046D&PID_0031&MI_02#7&1a2b3c&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", false},
        {"\\\\?\\HID#VID_5A4D&PID_0031&MI_02#7&1a2b3c&0&0000", false},
        {"", false},
    };
    for (const PathCase &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(TabletInterfacePath::isTabletInterface(c.path, 0x5A4C), c.tablet);
    }
}

TEST(TabletInterfacePath, VendorIdIsWrittenWithFourDigits)
{
    EXPECT_TRUE(TabletInterfacePath::isTabletInterface("HID#VID_00AB&PID_1&MI_02", 0x00AB));
    EXPECT_FALSE(TabletInterfacePath::isTabletInterface("HID#VID_AB&PID_1&MI_02", 0x00AB));
}

TEST(TabletInterfacePath, CaseConversionTouchesOnlyAsciiLetters)
{
    EXPECT_EQ(TabletInterfacePath::toUpper("a#z{0-9}\xe9"), "A#Z{0-9}\xe9");
    EXPECT_EQ(TabletInterfacePath::toLower("A#Z{0-9}\xc9"), "a#z{0-9}\xc9");
}
