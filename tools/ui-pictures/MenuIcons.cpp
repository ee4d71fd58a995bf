#include "MenuIcons.h"

#include "LineIconCanvas.h"
#include "UiPalette.h"

#include <QPolygonF>
#include <QtMath>

namespace MenuIcons {

namespace {

constexpr int kMenuSize = 32;
constexpr int kTraySize = 24;

} // namespace

QImage pen()
{
    LineIconCanvas canvas(kMenuSize, kMenuSize, UiPalette::kText);
    QPainter &p = canvas.painter();
    // Drawn upright with the tip at the bottom, then turned so the tip points down to the left.
    p.translate(16, 16);
    p.rotate(45);
    p.drawRoundedRect(QRectF(-4, -14, 8, 18), 2, 2);
    p.drawLine(QPointF(-4, -9), QPointF(4, -9));
    p.drawPolygon(QPolygonF({QPointF(-4, 4), QPointF(4, 4), QPointF(0, 11)}));
    return canvas.finish();
}

QImage expressKeys()
{
    LineIconCanvas canvas(kMenuSize, kMenuSize, UiPalette::kText);
    QPainter &p = canvas.painter();
    p.drawRoundedRect(QRectF(4, 8, 24, 17), 3, 3);
    for (int column = 0; column < 4; ++column) {
        p.drawPoint(QPointF(9 + column * 4.67, 13));
        p.drawPoint(QPointF(9 + column * 4.67, 17));
    }
    p.drawLine(QPointF(11, 21), QPointF(21, 21));
    return canvas.finish();
}

QImage screenMapping()
{
    LineIconCanvas canvas(kMenuSize, kMenuSize, UiPalette::kText);
    QPainter &p = canvas.painter();
    p.drawRoundedRect(QRectF(3, 5, 26, 18), 3, 3);
    p.drawLine(QPointF(16, 23), QPointF(16, 27));
    p.drawLine(QPointF(11, 27), QPointF(21, 27));
    // The mapped area: four corners inside the screen.
    const QRectF area(9, 10, 14, 8);
    const double arm = 3;
    p.drawPolyline(QPolygonF({area.topLeft() + QPointF(0, arm), area.topLeft(),
                              area.topLeft() + QPointF(arm, 0)}));
    p.drawPolyline(QPolygonF({area.topRight() + QPointF(-arm, 0), area.topRight(),
                              area.topRight() + QPointF(0, arm)}));
    p.drawPolyline(QPolygonF({area.bottomLeft() + QPointF(0, -arm), area.bottomLeft(),
                              area.bottomLeft() + QPointF(arm, 0)}));
    p.drawPolyline(QPolygonF({area.bottomRight() + QPointF(-arm, 0), area.bottomRight(),
                              area.bottomRight() + QPointF(0, -arm)}));
    return canvas.finish();
}

QPainterPath gear(double outerRadius, double innerRadius, int teeth)
{
    QPainterPath path;
    const double step = 2 * M_PI / teeth;
    // Each tooth takes a little under half of its step at the outer radius, a little more at its
    // foot, so its flanks slope.
    const double tipHalf = step * 0.2;
    const double footHalf = step * 0.3;
    for (int tooth = 0; tooth < teeth; ++tooth) {
        const double centre = tooth * step - M_PI / 2;
        const QPointF points[] = {
            {innerRadius * qCos(centre - footHalf), innerRadius * qSin(centre - footHalf)},
            {outerRadius * qCos(centre - tipHalf), outerRadius * qSin(centre - tipHalf)},
            {outerRadius * qCos(centre + tipHalf), outerRadius * qSin(centre + tipHalf)},
            {innerRadius * qCos(centre + footHalf), innerRadius * qSin(centre + footHalf)},
        };
        if (tooth == 0)
            path.moveTo(points[0]);
        else
            path.lineTo(points[0]);
        path.lineTo(points[1]);
        path.lineTo(points[2]);
        path.lineTo(points[3]);
    }
    path.closeSubpath();
    return path;
}

QImage settings()
{
    LineIconCanvas canvas(kMenuSize, kMenuSize, UiPalette::kText);
    QPainter &p = canvas.painter();
    p.translate(16, 16);
    p.drawPath(gear(12.5, 9.5, 8));
    p.drawEllipse(QPointF(0, 0), 4, 4);
    return canvas.finish();
}

QImage showWindow()
{
    LineIconCanvas canvas(kTraySize, kTraySize, UiPalette::kText);
    QPainter &p = canvas.painter();
    p.drawRoundedRect(QRectF(3, 4, 18, 16), 2.5, 2.5);
    p.drawLine(QPointF(3, 9), QPointF(21, 9));
    p.drawPoint(QPointF(6.5, 6.5));
    return canvas.finish();
}

QImage exitProgram()
{
    LineIconCanvas canvas(kTraySize, kTraySize, UiPalette::kText);
    QPainter &p = canvas.painter();
    p.drawPolyline(QPolygonF({QPointF(13, 4), QPointF(6, 4), QPointF(4, 6), QPointF(4, 18),
                              QPointF(6, 20), QPointF(13, 20)}));
    p.drawLine(QPointF(10, 12), QPointF(21, 12));
    p.drawPolyline(QPolygonF({QPointF(17, 8), QPointF(21, 12), QPointF(17, 16)}));
    return canvas.finish();
}

} // namespace MenuIcons
