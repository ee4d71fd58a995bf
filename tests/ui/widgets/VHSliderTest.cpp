#include "ui/widgets/VHSlider.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(VHSlider, TheClickedPointGivesTheValue)
{
    struct Row
    {
        int x;
        int width;
        int minimum;
        int maximum;
        int expected;
    };
    const Row rows[] = {
        {50, 200, 0, 100, 25},
        {199, 200, 0, 100, 99},
        {0, 200, 0, 100, 0},
        {200, 200, 0, 100, 100},
        {260, 200, 0, 100, 100},
        {-10, 200, 0, 100, 0},
        {3, 200, 0, 100, 1},
        {100, 200, -50, 50, 0},
        {1, 300, 10, 20, 10},
        {150, 300, 1, 8192, 4096},
        {299, 300, 0, 2147483647, 2140325368},
        {5, 0, 7, 9, 7},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(QStringLiteral("x %1 of %2 in %3..%4")
                             .arg(row.x).arg(row.width).arg(row.minimum).arg(row.maximum)
                             .toStdString());
        EXPECT_EQ(VHSlider::valueAtPosition(row.x, row.width, row.minimum, row.maximum),
                  row.expected);
    }
}

TEST(VHSlider, ALeftClickJumpsThereAndOtherButtonsDoNot)
{
    VHSlider slider(Qt::Horizontal);
    slider.setRange(0, 100);
    slider.resize(200, 24);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(50, 12));
    EXPECT_EQ(slider.value(), 25);
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(50, 12));
    EXPECT_EQ(slider.value(), 25);
    QTest::mouseClick(&slider, Qt::RightButton, Qt::NoModifier, QPoint(190, 12));
    EXPECT_EQ(slider.value(), 25);
}
