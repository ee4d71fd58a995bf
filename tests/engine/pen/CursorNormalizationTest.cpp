#include "engine/pen/CursorNormalization.h"

#include <gtest/gtest.h>

namespace {

MonitorInfo monitor(const QRect &device, const QRect &logical, const QRect &desktop)
{
    MonitorInfo info;
    info.monitorRect = device;
    info.logicalMonitorRect = logical;
    info.desktopRect = desktop;
    return info;
}

} // namespace

TEST(CursorNormalization, WithoutMonitorsThereIsNoPosition)
{
    EXPECT_EQ(CursorNormalization::toNormalized({}, QPoint(10, 10)), QPoint(-1, -1));
}

TEST(CursorNormalization, TheCursorIsScaledFromTheDesktopToTheReportRange)
{
    const QRect desktop(0, 0, 1920, 1080);
    const std::vector<MonitorInfo> monitors = {monitor(desktop, desktop, desktop)};
    // x = 960 / (1920 / 32767) + trunc(32767 / 1920 * 0.5 + 0.5) = 16383.5 + 9
    EXPECT_EQ(CursorNormalization::toNormalized(monitors, QPoint(960, 540)), QPoint(16392, 16398));
    EXPECT_EQ(CursorNormalization::toNormalized(monitors, QPoint(0, 0)), QPoint(9, 15));
}

TEST(CursorNormalization, AScaledMonitorCarriesTheCursorToItsDevicePixels)
{
    const QRect desktop(0, 0, 3840, 1080);
    const std::vector<MonitorInfo> monitors = {
            monitor(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1080), desktop),
            // 150 % scaling: 1920 device pixels seen as 1280 logical ones.
            monitor(QRect(1920, 0, 1920, 1080), QRect(1920, 0, 1280, 720), desktop),
    };
    const QPoint normalised = CursorNormalization::toNormalized(monitors, QPoint(2560, 360));
    // device x = 640 / 1280 * 1920 + 1920 = 2880; 2880 / (3840 / 32767) + trunc(4.77) = 24575.25 + 4
    EXPECT_EQ(normalised.x(), 24579);
    // device y = 360 / 720 * 1080 = 540; 540 / (1080 / 32767) + trunc(15.67) = 16383.5 + 15
    EXPECT_EQ(normalised.y(), 16398);
}

TEST(CursorNormalization, ACursorOutsideEveryMonitorGivesTheOrigin)
{
    const QRect desktop(0, 0, 1920, 1080);
    EXPECT_EQ(CursorNormalization::toNormalized({monitor(desktop, desktop, desktop)}, QPoint(5000, 5000)),
              QPoint(0, 0));
}
