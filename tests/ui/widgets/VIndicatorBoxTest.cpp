#include "ui/widgets/VIndicatorBox.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// The box drawn on white, 100 x 340 as its form makes it.
QImage drawn(VIndicatorBox &box)
{
    QImage image(box.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    box.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool inked(const QImage &image, QPoint point)
{
    return image.pixelColor(point) != QColor(Qt::white);
}

} // namespace

TEST(VIndicatorBox, OnlyLinesThatRunToTheRightAreDrawn)
{
    struct Row
    {
        const char *name;
        QPoint start;
        QPoint end;
        QPoint sample;
        bool expectedDrawn;
    };
    const Row rows[] = {
        {"to the right", {10, 40}, {90, 40}, {50, 40}, true},
        {"down and right", {10, 40}, {90, 200}, {50, 120}, true},
        {"straight down", {50, 40}, {50, 200}, {50, 120}, false},
        {"to the left", {90, 40}, {10, 40}, {50, 40}, false},
        {"empty", {0, 0}, {0, 0}, {0, 0}, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(VIndicatorBox::isDrawn({row.start, row.end}), row.expectedDrawn);
        VIndicatorBox first;
        first.setFirstLine(row.start, row.end);
        EXPECT_EQ(inked(drawn(first), row.sample), row.expectedDrawn);
        VIndicatorBox second;
        second.setSecondLine(row.start, row.end);
        EXPECT_EQ(inked(drawn(second), row.sample), row.expectedDrawn);
    }
}

TEST(VIndicatorBox, TheBaseLineIsAlwaysDrawn)
{
    VIndicatorBox box;
    const QImage image = drawn(box);
    const int baseY = box.height() - 12;
    EXPECT_TRUE(inked(image, QPoint(12, baseY)));
    EXPECT_TRUE(inked(image, QPoint(box.width() - 1, baseY)));
    EXPECT_FALSE(inked(image, QPoint(6, baseY)));
    EXPECT_FALSE(inked(image, QPoint(50, baseY - 4)));
    EXPECT_FALSE(inked(image, QPoint(50, 100)));
}
