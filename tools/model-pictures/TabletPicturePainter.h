#pragma once

#include "config/layout/TabletLayout.h"

#include <QImage>
#include <QPainterPath>
#include <QRect>

class QPainter;
class TabletLayoutDial;
class TabletLayoutKey;
class TabletLayoutTouch;

// Draws a model's picture from its layout: the body around the work area and the components,
// the work area (a screen on pen displays), every key, dial and touch segment at its rectangle.
class TabletPicturePainter
{
public:
    static constexpr int kWidth = 620;
    static constexpr int kHeight = 350;

    static QImage paint(const TabletLayoutTabletPart &tablet, bool penDisplay);

    // The body: the work area and every component, with the padding around them.
    static QRect bodyRect(const TabletLayoutTabletPart &tablet);
    // A key's outline: rounded by its x and y radius, square at the corners whose value is 0.
    static QPainterPath keyShape(const TabletLayoutKey &key);

private:
    static void paintBody(QPainter &painter, const QRect &body);
    static void paintWorkArea(QPainter &painter, const QRect &work, bool penDisplay);
    static void paintComponent(QPainter &painter, const TabletLayoutComponent &component);
    static void paintKey(QPainter &painter, const TabletLayoutKey &key);
    static void paintDial(QPainter &painter, const TabletLayoutDial &dial);
    static void paintTouch(QPainter &painter, const TabletLayoutTouch &touch);
};
