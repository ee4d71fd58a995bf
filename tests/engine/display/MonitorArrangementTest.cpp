#include "engine/display/MonitorArrangement.h"

#include <gtest/gtest.h>

namespace {

MonitorInfo monitorAt(const QRect &display, const QRect &system, const QRect &virtualScreen)
{
    MonitorInfo monitor;
    monitor.monitorRect = display;
    monitor.systemMonitorRect = system;
    monitor.virtualScreenRect = virtualScreen;
    return monitor;
}

} // namespace

TEST(MonitorArrangement, IdentifierIsTheCodeBetweenTheFirstTwoBackslashes)
{
    EXPECT_EQ(MonitorArrangement::identifierFromDeviceId("MONITOR\\ZLV1561\\{4d36e96e-e325}\\0001"), "ZLV1561");
    EXPECT_EQ(MonitorArrangement::identifierFromDeviceId("MONITOR\\DEL4082"), "DEL4082");
    EXPECT_EQ(MonitorArrangement::identifierFromDeviceId("MONITOR\\"), "");
    EXPECT_EQ(MonitorArrangement::identifierFromDeviceId(""), "");
}

TEST(MonitorArrangement, OneMonitorAtTheOriginKeepsItsRectangles)
{
    std::vector<MonitorInfo> monitors = {monitorAt({0, 0, 1920, 1080}, {0, 0, 1920, 1080}, {0, 0, 1920, 1080})};
    MonitorArrangement::arrange(monitors);
    EXPECT_EQ(monitors[0].desktopRect, QRect(0, 0, 1920, 1080));
    EXPECT_EQ(monitors[0].monitorRect, QRect(0, 0, 1920, 1080));
    EXPECT_EQ(monitors[0].logicalMonitorRect, QRect(0, 0, 1920, 1080));
    EXPECT_EQ(monitors[0].desktopRect.right(), 1919);
}

TEST(MonitorArrangement, DesktopLeftOfAndAboveTheOriginIsMovedToStartAtTheOrigin)
{
    // A 2560x1440 display to the left of and above a 1920x1080 primary; the system scales the
    // left one by 1.25 in its logical rectangles.
    const QRect virtualScreen(-2048, -200, 3968, 1352);
    std::vector<MonitorInfo> monitors = {
        monitorAt({0, 0, 1920, 1080}, {0, 0, 1920, 1080}, virtualScreen),
        monitorAt({-2560, -200, 2560, 1440}, {-2048, -200, 2048, 1152}, virtualScreen),
    };
    EXPECT_EQ(MonitorArrangement::desktopBounds(monitors), QRect(-2560, -200, 4480, 1440));

    MonitorArrangement::arrange(monitors);

    for (const MonitorInfo &monitor : monitors)
        EXPECT_EQ(monitor.desktopRect, QRect(0, 0, 4480, 1440));
    EXPECT_EQ(monitors[0].monitorRect, QRect(2560, 200, 1920, 1080));
    EXPECT_EQ(monitors[1].monitorRect, QRect(0, 0, 2560, 1440));
    EXPECT_EQ(monitors[0].logicalMonitorRect, QRect(2048, 200, 1920, 1080));
    EXPECT_EQ(monitors[1].logicalMonitorRect, QRect(0, 0, 2048, 1152));
    EXPECT_EQ(monitors[1].systemMonitorRect, QRect(-2048, -200, 2048, 1152)) << "reported as it is";
}

TEST(MonitorArrangement, DesktopAlwaysContainsTheOrigin)
{
    std::vector<MonitorInfo> monitors = {monitorAt({100, 50, 800, 600}, {}, {})};
    EXPECT_EQ(MonitorArrangement::desktopBounds(monitors), QRect(0, 0, 900, 650));
    EXPECT_EQ(MonitorArrangement::desktopBounds({}), QRect(0, 0, 0, 0));
}

TEST(MonitorArrangement, PenDisplaysAreRecognisedByAnyCodeInTheIdentifier)
{
    std::vector<MonitorInfo> monitors(3);
    monitors[0].identifier = "ZLV1561";
    monitors[1].identifier = "DEL4082";
    monitors[2].identifier = "XZLV2201Y";
    MonitorArrangement::markPenDisplays(monitors, {"ZLV1561", "ZLV2201", ""});
    EXPECT_TRUE(monitors[0].penDisplay);
    EXPECT_TRUE(monitors[0].penDisplaySecondFlag);
    EXPECT_FALSE(monitors[1].penDisplay);
    EXPECT_FALSE(monitors[1].penDisplaySecondFlag);
    EXPECT_TRUE(monitors[2].penDisplay);
}

TEST(MonitorArrangement, OrientedSizePutsTheLongerSideAlongTheOrientation)
{
    const QSize landscape(1920, 1080);
    const QSize portrait(1080, 1920);
    EXPECT_EQ(MonitorArrangement::orientedSize(landscape, 0), landscape);
    EXPECT_EQ(MonitorArrangement::orientedSize(portrait, 0), landscape);
    EXPECT_EQ(MonitorArrangement::orientedSize(landscape, 1), portrait);
    EXPECT_EQ(MonitorArrangement::orientedSize(portrait, 2), landscape);
    EXPECT_EQ(MonitorArrangement::orientedSize(landscape, 3), portrait);
}

TEST(MonitorArrangement, ScreenshotIsAThirdRoundedUp)
{
    EXPECT_EQ(MonitorArrangement::screenshotSize(QSize(1920, 1080)), QSize(640, 360));
    EXPECT_EQ(MonitorArrangement::screenshotSize(QSize(902, 903)), QSize(301, 301));
    EXPECT_EQ(MonitorArrangement::screenshotSize(QSize(901, 900)), QSize(300, 300));
}

TEST(MonitorArrangement, AMonitorWithoutAModeSizeTakesTheSystemsRectangle)
{
    const QRect system(1280, 0, 1280, 720);
    const struct {
        QRect mode;
        QRect expected;
    } rows[] = {
        {QRect(1920, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)},
        {QRect(0, 0, 0, 0), system},
        {QRect(0, 0, 1920, 0), system},
    };
    for (const auto &row : rows)
        EXPECT_EQ(MonitorArrangement::monitorRect(row.mode, system), row.expected) << row.mode.width();
}
