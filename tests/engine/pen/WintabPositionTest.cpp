#include "engine/pen/WintabPosition.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using XY = std::pair<int, int>;

XY wintab(const std::vector<MonitorInfo> &monitors, int x, int y)
{
    const QPoint position = WintabPosition::toWintabPosition(monitors, QPoint(x, y));
    return XY(position.x(), position.y());
}

MonitorInfo monitor(QRect monitorRect, QRect systemRect, QRect logicalRect, QRect desktopRect,
                    QRect virtualScreen)
{
    MonitorInfo info;
    info.monitorRect = monitorRect;
    info.systemMonitorRect = systemRect;
    info.logicalMonitorRect = logicalRect;
    info.desktopRect = desktopRect;
    info.virtualScreenRect = virtualScreen;
    return info;
}

// A primary 3840 x 2160 screen at 200 percent with a 1920 x 1080 screen at 100 percent left of
// it. The virtual screen starts at -1920; on the desktop in device pixels the left screen
// spans 0..1919 and the primary 1920..5759 (of 5760 x 2160), in logical pixels 0..1919 and
// 1920..3839 (of 3840 x 1080).
std::vector<MonitorInfo> scaledPrimaryRightOfASecondScreen()
{
    const QRect desktop(0, 0, 5760, 2160);
    const QRect virtualScreen(-1920, 0, 3840, 1080);
    return {
        monitor(QRect(1920, 0, 3840, 2160), QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080),
                desktop, virtualScreen),
        monitor(QRect(0, 0, 1920, 1080), QRect(-1920, 0, 1920, 1080), QRect(0, 0, 1920, 1080),
                desktop, virtualScreen),
    };
}

// Two 1920 x 1080 screens at 100 percent; the second stands above the primary, so the virtual
// screen starts at -1080.
std::vector<MonitorInfo> secondScreenAboveThePrimary()
{
    const QRect desktop(0, 0, 1920, 2160);
    const QRect virtualScreen(0, -1080, 1920, 2160);
    return {
        monitor(QRect(0, 1080, 1920, 1080), QRect(0, 0, 1920, 1080), QRect(0, 1080, 1920, 1080),
                desktop, virtualScreen),
        monitor(QRect(0, 0, 1920, 1080), QRect(0, -1080, 1920, 1080), QRect(0, 0, 1920, 1080),
                desktop, virtualScreen),
    };
}

std::vector<MonitorInfo> oneScreen()
{
    const QRect screen(0, 0, 1920, 1080);
    return {monitor(screen, screen, screen, screen, screen)};
}

// One 2880 x 1620 screen at 150 percent.
std::vector<MonitorInfo> oneScaledScreen()
{
    const QRect device(0, 0, 2880, 1620);
    const QRect logical(0, 0, 1920, 1080);
    return {monitor(device, logical, logical, device, logical)};
}

struct PositionCase
{
    const char *name;
    std::vector<MonitorInfo> monitors;
    XY normalised;
    XY expected;
};

TEST(WintabPosition, ConvertsThroughTheMonitorUnderThePosition)
{
    const PositionCase cases[] = {
        // Device pixel (3839, 1079) on the primary is logical (1920 + 959.9, 539.9).
        {"the middle of a scaled primary right of a second screen",
         scaledPrimaryRightOfASecondScreen(), XY(21844, 16383), XY(24574, 16383)},
        // Device pixel (878.9, 659.2) of the unscaled screen spans 3840 x 1080 logical pixels.
        {"a point on the unscaled screen left of the primary",
         scaledPrimaryRightOfASecondScreen(), XY(5000, 10000), XY(7500, 20000)},
        {"the origin on the screen left of the primary", scaledPrimaryRightOfASecondScreen(),
         XY(0, 0), XY(0, 0)},
        {"a point below the shorter screen is on no monitor and stays",
         scaledPrimaryRightOfASecondScreen(), XY(5000, 20000), XY(5000, 20000)},
        {"the far corner lies past the last pixel and stays", scaledPrimaryRightOfASecondScreen(),
         XY(32767, 32767), XY(32767, 32767)},
        {"a point on the primary below a screen above it keeps its place",
         secondScreenAboveThePrimary(), XY(16383, 24575), XY(16383, 24575)},
        {"a point on the screen above the primary keeps its place",
         secondScreenAboveThePrimary(), XY(100, 100), XY(100, 100)},
        {"one unscaled screen keeps the middle", oneScreen(), XY(16383, 8000), XY(16383, 8000)},
        {"one unscaled screen keeps a point near the edge", oneScreen(), XY(1, 32766),
         XY(1, 32766)},
        {"one scaled screen keeps the position", oneScaledScreen(), XY(12345, 23456),
         XY(12345, 23456)},
    };
    for (const PositionCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(wintab(c.monitors, c.normalised.first, c.normalised.second), c.expected);
    }
}

TEST(WintabPosition, AnEmptyMonitorListGivesThePositionBack)
{
    EXPECT_EQ(wintab({}, 123, 456), XY(123, 456));
}

TEST(WintabPosition, APositionGivenBackIsKeptWithin0And32767)
{
    EXPECT_EQ(wintab({}, -5, 40000), XY(0, 32767));
}

TEST(WintabPosition, AnEmptyDesktopOrVirtualScreenGivesThePositionBack)
{
    std::vector<MonitorInfo> noDesktop = oneScreen();
    noDesktop.front().desktopRect = QRect();
    EXPECT_EQ(wintab(noDesktop, 100, 200), XY(100, 200));

    std::vector<MonitorInfo> noVirtualScreen = oneScreen();
    noVirtualScreen.front().virtualScreenRect = QRect(0, 0, 0, 1080);
    EXPECT_EQ(wintab(noVirtualScreen, 100, 200), XY(100, 200));
}

TEST(WintabPosition, AMonitorWithoutARectangleIsPassedOver)
{
    std::vector<MonitorInfo> monitors = oneScreen();
    MonitorInfo unknown = monitors.front();
    unknown.monitorRect = QRect();
    unknown.logicalMonitorRect = QRect(500, 500, 10, 10);
    monitors.insert(monitors.begin(), unknown);
    EXPECT_EQ(wintab(monitors, 16383, 8000), XY(16383, 8000));
}

TEST(WintabPosition, TheFirstMonitorThatContainsThePointIsUsed)
{
    // A mirrored pair: both show the same desktop pixels; the second's logical place differs.
    std::vector<MonitorInfo> monitors = oneScreen();
    MonitorInfo mirror = monitors.front();
    mirror.logicalMonitorRect = QRect(960, 0, 960, 1080);
    monitors.push_back(mirror);
    EXPECT_EQ(wintab(monitors, 16383, 8000), XY(16383, 8000));
}

TEST(WintabPosition, AResultBeyondTheVirtualScreenIsHeldAt32767)
{
    // A logical rectangle right of the virtual screen, as a stale list might hold.
    std::vector<MonitorInfo> monitors = oneScreen();
    monitors.front().logicalMonitorRect = QRect(1920, 0, 1920, 1080);
    EXPECT_EQ(wintab(monitors, 16383, 8000), XY(32767, 8000));
}

} // namespace
