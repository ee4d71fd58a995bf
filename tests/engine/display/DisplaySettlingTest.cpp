#include "engine/display/DisplaySettling.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

QImage blackImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

} // namespace

TEST(DisplaySettling, AScreenshotShowsContentWhenADiagonalPixelIsNotBlack)
{
    QImage image = blackImage(640, 360);
    EXPECT_FALSE(DisplaySettling::showsContent(image));
    image.setPixel(299, 299, qRgb(0, 0, 1));
    EXPECT_TRUE(DisplaySettling::showsContent(image));
}

TEST(DisplaySettling, OnlyTheDiagonalFrom100To299Counts)
{
    QImage image = blackImage(640, 360);
    image.setPixel(99, 99, qRgb(255, 255, 255));
    image.setPixel(300, 300, qRgb(255, 255, 255));
    image.setPixel(150, 151, qRgb(255, 255, 255));
    EXPECT_FALSE(DisplaySettling::showsContent(image));
}

TEST(DisplaySettling, TransparencyAloneIsNotContent)
{
    QImage image(640, 360, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 0, 255));
    EXPECT_FALSE(DisplaySettling::showsContent(image));
}

TEST(DisplaySettling, ScreenshotsSmallerThan301PixelsNeverShowContent)
{
    QImage narrow(300, 400, QImage::Format_RGB32);
    narrow.fill(Qt::white);
    QImage low(400, 300, QImage::Format_RGB32);
    low.fill(Qt::white);
    QImage enough(301, 301, QImage::Format_RGB32);
    enough.fill(Qt::white);
    EXPECT_FALSE(DisplaySettling::showsContent(narrow));
    EXPECT_FALSE(DisplaySettling::showsContent(low));
    EXPECT_FALSE(DisplaySettling::showsContent(QImage()));
    EXPECT_TRUE(DisplaySettling::showsContent(enough));
}

TEST(DisplaySettling, SettlesWhenEveryMonitorShowsContentOrAfterTenTicks)
{
    EXPECT_TRUE(DisplaySettling::hasSettled(2, 2, 1));
    EXPECT_FALSE(DisplaySettling::hasSettled(1, 2, 1));
    EXPECT_FALSE(DisplaySettling::hasSettled(1, 2, 9));
    EXPECT_TRUE(DisplaySettling::hasSettled(1, 2, 10));
    EXPECT_TRUE(DisplaySettling::hasSettled(0, 0, 1));
}
