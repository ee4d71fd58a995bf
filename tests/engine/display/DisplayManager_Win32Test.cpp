#include "engine/display/DisplayManager_Win32.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

TEST(DisplayManager, ListsTheDesktopMonitorsWithTheDesktopStartingAtTheOrigin)
{
    const std::vector<MonitorInfo> monitors = DisplayManager_Win32::instance()->enumerateMonitors(false);
    ASSERT_FALSE(monitors.empty());
    ASSERT_LE(monitors.size(), 8u);
    int primaries = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        SCOPED_TRACE(i);
        const MonitorInfo &monitor = monitors[i];
        EXPECT_EQ(monitor.index, int(i));
        EXPECT_FALSE(monitor.deviceName.empty());
        EXPECT_EQ(monitor.desktopRect.topLeft(), QPoint(0, 0));
        EXPECT_TRUE(monitor.desktopRect.contains(monitor.monitorRect));
        EXPECT_GT(monitor.monitorRect.width(), 0);
        EXPECT_GT(monitor.scale, 0.0);
        EXPECT_FALSE(monitor.screenshot);
        primaries += monitor.primary ? 1 : 0;
    }
    EXPECT_EQ(primaries, 1);
}

TEST(DisplayManager, ScreenshotsAreAThirdOfEachMonitor)
{
    const std::vector<MonitorInfo> monitors = DisplayManager_Win32::instance()->enumerateMonitors(true);
    ASSERT_FALSE(monitors.empty());
    for (const MonitorInfo &monitor : monitors) {
        ASSERT_TRUE(monitor.screenshot);
        EXPECT_EQ(monitor.screenshot->width(), (monitor.monitorRect.width() + 1) / 3);
        EXPECT_EQ(monitor.screenshot->height(), (monitor.monitorRect.height() + 1) / 3);
    }
}

TEST(DisplayManager, RotatingAMonitorThatIsNotAPenDisplayChangesNothing)
{
    std::vector<MonitorInfo> monitors = DisplayManager_Win32::instance()->enumerateMonitors(false);
    ASSERT_FALSE(monitors.empty());
    MonitorInfo monitor = monitors.front();
    monitor.penDisplay = false;
    EXPECT_FALSE(DisplayManager_Win32::instance()->setDisplayOrientation(monitor, 1));
    EXPECT_EQ(DisplayManager_Win32::instance()->enumerateMonitors(false).front().rotation, monitors.front().rotation);
}

TEST(DisplayManager, GrabScreenReportsWhetherItGotAPicture)
{
    QPixmap picture;
    ASSERT_TRUE(DisplayManager_Win32::instance()->grabScreen(picture, 0, 0, 200, 100));
    EXPECT_EQ(picture.size(), QSize(200, 100));
}
