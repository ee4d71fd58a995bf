#include "app/WindowCentring.h"

#include <gtest/gtest.h>

#include <vector>

TEST(WindowCentring, PutsTheWindowsCentreOnTheScreensRoundingHalvesTowardZero)
{
    struct Case
    {
        QRect screen;
        QSize window;
        QPoint expected;
    };
    const std::vector<Case> cases = {
        {QRect(0, 0, 1920, 1080), QSize(1000, 700), QPoint(459, 189)},
        {QRect(0, 0, 1920, 1080), QSize(1001, 701), QPoint(459, 189)},
        // Left of and above the primary: the centre (-960, -540) is rounded toward zero.
        {QRect(-1920, -1080, 1920, 1080), QSize(1000, 700), QPoint(-1460, -890)},
        {QRect(-1280, 200, 1280, 1024), QSize(1000, 700), QPoint(-1140, 361)},
        {QRect(0, 0, 800, 600), QSize(1000, 700), QPoint(-101, -51)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(centredWindowPosition(c.screen, c.window), c.expected) << c.screen.x() << "," << c.screen.y();
}
