#include "engine/display/ScreenStatusListen.h"

#include <QImage>
#include <QPixmap>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// Monitors whose screenshots the test chooses.
class ScriptedScreens : public ScreenStatusListen
{
public:
    std::vector<MonitorInfo> enumerateMonitors(bool withScreenshots) override
    {
        ++enumerations;
        std::vector<MonitorInfo> monitors(pictures.size());
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            monitors[i].index = int(i);
            if (withScreenshots && !pictures[i].isNull())
                monitors[i].screenshot = std::make_shared<const QPixmap>(QPixmap::fromImage(pictures[i]));
        }
        return monitors;
    }

    std::vector<QImage> pictures;
    int enumerations = 0;
};

QImage picture(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST(ScreenStatusListen, ASwitchedOffDisplayLetsTheLayoutSettleAfterTenTicks)
{
    ScriptedScreens screens;
    screens.pictures = {picture(640, 360, qRgb(40, 40, 40)), picture(640, 360, qRgb(0, 0, 0))};
    QSignalSpy changed(&screens, &ScreenStatusListen::displayChanged);

    screens.slotScreenAdded(nullptr);
    EXPECT_TRUE(screens.isSettling());
    for (int tick = 1; tick < 10; ++tick)
        screens.slotTimeout();
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(screens.isSettling());

    screens.slotTimeout();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_FALSE(screens.isSettling());
}

TEST(ScreenStatusListen, SettlesAtTheFirstTickWhenEveryMonitorShowsContent)
{
    ScriptedScreens screens;
    screens.pictures = {picture(640, 360, qRgb(40, 40, 40)), picture(854, 480, qRgb(200, 0, 0))};
    QSignalSpy changed(&screens, &ScreenStatusListen::displayChanged);

    screens.slotVirtualGeometryChanged(QRect());
    screens.slotTimeout();

    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(screens.enumerations, 1);
    EXPECT_FALSE(screens.isSettling());
}

TEST(ScreenStatusListen, AFurtherChangeStartsTheCountAgain)
{
    ScriptedScreens screens;
    screens.pictures = {picture(640, 360, qRgb(0, 0, 0))};
    QSignalSpy changed(&screens, &ScreenStatusListen::displayChanged);

    screens.slotScreenRemoved(nullptr);
    for (int tick = 1; tick <= 9; ++tick)
        screens.slotTimeout();
    screens.slotPrimaryScreenChanged(nullptr);
    EXPECT_EQ(screens.tick(), 0);
    for (int tick = 1; tick <= 9; ++tick)
        screens.slotTimeout();
    EXPECT_EQ(changed.count(), 0);
    screens.slotTimeout();
    EXPECT_EQ(changed.count(), 1);
}

TEST(ScreenStatusListen, ASmallMonitorNeverCountsAsShowingContent)
{
    ScriptedScreens screens;
    screens.pictures = {picture(300, 240, qRgb(255, 255, 255))};
    QSignalSpy changed(&screens, &ScreenStatusListen::displayChanged);

    screens.slotScreenAdded(nullptr);
    for (int tick = 1; tick <= 9; ++tick)
        screens.slotTimeout();
    EXPECT_EQ(changed.count(), 0);
    screens.slotTimeout();
    EXPECT_EQ(changed.count(), 1);
}

TEST(ScreenStatusListen, TheTimerDrivesTheTicks)
{
    ScriptedScreens screens;
    screens.pictures = {picture(640, 360, qRgb(10, 10, 10))};
    QSignalSpy changed(&screens, &ScreenStatusListen::displayChanged);
    screens.slotScreenAdded(nullptr);
    EXPECT_TRUE(changed.wait(5000));
    EXPECT_EQ(screens.tick(), 1);
}
