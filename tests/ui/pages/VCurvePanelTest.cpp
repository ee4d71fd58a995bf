#include "ui/pages/VCurvePanel.h"

#include "config/configure/PenConfigureElement.h"

#include <QApplication>
#include <QDomDocument>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The panel's points in its own pixels: start x, middle x and y, end y.
struct Pixels
{
    double startX;
    double middleX;
    double middleY;
    double endY;
};

Pixels pixelsOf(const VCurvePanel &panel)
{
    const QVector<QPointF> points = panel.param();
    const double w = panel.width();
    const double h = panel.height();
    return {points[0].x() * w, points[1].x() * w, points[1].y() * h, (1.0 - points[2].y()) * h};
}

void expectPixels(const VCurvePanel &panel, Pixels expected)
{
    const Pixels found = pixelsOf(panel);
    EXPECT_NEAR(found.startX, expected.startX, 1e-9);
    EXPECT_NEAR(found.middleX, expected.middleX, 1e-9);
    EXPECT_NEAR(found.middleY, expected.middleY, 1e-9);
    EXPECT_NEAR(found.endY, expected.endY, 1e-9);
}

void press(VCurvePanel &panel, QPoint at)
{
    QTest::mousePress(&panel, Qt::LeftButton, Qt::NoModifier, at);
}

// A move with the left button held, as a drag delivers it.
void moveTo(VCurvePanel &panel, QPoint to)
{
    QMouseEvent move(QEvent::MouseMove, to, panel.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&panel, &move);
}

void drag(VCurvePanel &panel, QPoint from, QPoint to)
{
    press(panel, from);
    moveTo(panel, to);
    QTest::mouseRelease(&panel, Qt::LeftButton, Qt::NoModifier, to);
}

} // namespace

TEST(VCurvePanel, StartsAsTheDiagonalAndTakesFourNumbersOfThreePoints)
{
    VCurvePanel panel;
    ASSERT_EQ(panel.size(), QSize(172, 172));
    EXPECT_EQ(panel.param(), (QVector<QPointF>{{0, 1.0}, {0.5, 0.5}, {1.0, 1.0}}));

    panel.setParam({{0.1, 0.9}, {0.3, 0.2}});
    expectPixels(panel, {0, 86, 86, 0});

    panel.setParam({{0.0, 0.0}, {0.75, 0.75}, {0.0, 1.0}});
    expectPixels(panel, {0, 129, 129, 0});
    // The y of the first point and the x of the last are not read.
    panel.setParam({{0.25, 0.7}, {0.6, 0.4}, {0.3, 0.8}});
    expectPixels(panel, {43, 103.2, 68.8, 172 - 0.8 * 172});
}

TEST(VCurvePanel, WhatTheConfigurationFileKeepsGivesBackTheSamePicture)
{
    VCurvePanel panel;
    drag(panel, {120, 140}, {60, 30});
    drag(panel, {2, 170}, {20, 171});
    const Pixels before = pixelsOf(panel);

    PenConfigure pen;
    const QVector<QPointF> points = panel.param();
    pen.curve = PressureCurve{points[0], points[1], points[2]};
    QDomDocument document;
    QDomElement root = document.createElement(QStringLiteral("Configure"));
    const QDomElement written = writePenConfigure(document, pen, root);
    PenConfigure read;
    readPenConfigure(written, read);

    VCurvePanel reloaded;
    reloaded.setParam({read.curve.start, read.curve.middle, read.curve.end});
    const Pixels after = pixelsOf(reloaded);
    // The file keeps three decimals of each number.
    EXPECT_NEAR(after.startX, before.startX, 0.1);
    EXPECT_NEAR(after.middleX, before.middleX, 0.1);
    EXPECT_NEAR(after.middleY, before.middleY, 0.1);
    EXPECT_NEAR(after.endY, before.endY, 0.1);
}

TEST(VCurvePanel, EachHandleMovesByItsRules)
{
    struct Case
    {
        const char *name;
        QPoint from;
        QPoint to;
        Pixels expected;
    };
    // From the diagonal: start (0, 172), middle (86, 86), end (172, 0).
    const Case cases[] = {
        {"start along the bottom", {4, 168}, {40, 100}, {40, 86, 86, 0}},
        {"start to x 0 stays", {4, 168}, {0, 168}, {0, 86, 86, 0}},
        {"start to the middle's x stays", {4, 168}, {86, 168}, {0, 86, 86, 0}},
        {"end along the right edge", {168, 4}, {100, 50}, {0, 86, 86, 50}},
        {"end to y 0 stays", {168, 4}, {168, 0}, {0, 86, 86, 0}},
        {"end to the middle's y stays", {168, 4}, {168, 86}, {0, 86, 86, 0}},
        {"middle anywhere", {86, 86}, {120, 40}, {0, 120, 40, 0}},
        {"middle held inside the square", {86, 86}, {400, -30}, {0, 172, 0, -1}},
        {"middle to the left edge pushes the start out", {86, 86}, {0, 86}, {-1, 0, 86, 0}},
    };
    for (const Case &entry : cases) {
        SCOPED_TRACE(entry.name);
        VCurvePanel panel;
        drag(panel, entry.from, entry.to);
        expectPixels(panel, entry.expected);
    }
}

TEST(VCurvePanel, APressAwayFromTheEndsMovesTheMiddleAtOnceAndKeepsTheEndsInside)
{
    VCurvePanel panel;
    press(panel, {100, 40});
    expectPixels(panel, {0, 100, 40, 0});
    QTest::mouseRelease(&panel, Qt::LeftButton, Qt::NoModifier, {100, 40});

    press(panel, {0, 86});
    expectPixels(panel, {0, 0, 86, 0});
    QTest::mouseRelease(&panel, Qt::LeftButton, Qt::NoModifier, {0, 86});
    press(panel, {60, 0});
    expectPixels(panel, {0, 60, 0, 0});
}

TEST(VCurvePanel, EveryReleaseAnnouncesTheCurveExceptWhileLocked)
{
    VCurvePanel panel;
    QSignalSpy changed(&panel, &VCurvePanel::paramChanged);
    QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier, {86, 86});
    EXPECT_EQ(changed.count(), 1);

    panel.setLocked(true);
    drag(panel, {86, 86}, {20, 20});
    EXPECT_EQ(changed.count(), 1);
    expectPixels(panel, {0, 86, 86, 0});

    panel.setLocked(false);
    panel.setParam({{0, 0}, {0.875, 0.875}, {0, 1.0}});
    EXPECT_EQ(changed.count(), 1) << "setting the points is not announced";
    panel.resetParam();
    EXPECT_EQ(changed.count(), 2);
    expectPixels(panel, {0, 86, 86, 0});
}
