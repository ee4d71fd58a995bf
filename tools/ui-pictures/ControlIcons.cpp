#include "ControlIcons.h"

#include "LineIconCanvas.h"
#include "UiPalette.h"

#include <QPainterPath>
#include <QPolygonF>

namespace ControlIcons {

namespace {

constexpr int kSize = 16;

QImage chevron(const QColor &colour, double turn)
{
    LineIconCanvas canvas(kSize, kSize, colour);
    QPainter &p = canvas.painter();
    p.translate(8, 8);
    p.rotate(turn);
    p.drawPolyline(QPolygonF({QPointF(-4, -2), QPointF(0, 2), QPointF(4, -2)}));
    return canvas.finish();
}

} // namespace

QImage rowArrow()
{
    return chevron(UiPalette::kText, -90);
}

QImage rowLink()
{
    LineIconCanvas canvas(kSize, kSize, UiPalette::kAccent);
    QPainter &p = canvas.painter();
    // A box with an arrow leaving it at the top right: the row opens something elsewhere.
    QPainterPath box;
    box.moveTo(7, 4);
    box.lineTo(4, 4);
    box.quadTo(3, 4, 3, 5);
    box.lineTo(3, 12);
    box.quadTo(3, 13, 4, 13);
    box.lineTo(11, 13);
    box.quadTo(12, 13, 12, 12);
    box.lineTo(12, 9);
    p.drawPath(box);
    p.drawLine(QPointF(7.5, 8.5), QPointF(13, 3));
    p.drawPolyline(QPolygonF({QPointF(9.5, 3), QPointF(13, 3), QPointF(13, 6.5)}));
    return canvas.finish();
}

QImage chevronDown(const QColor &colour)
{
    return chevron(colour, 0);
}

QImage chevronUp(const QColor &colour)
{
    return chevron(colour, 180);
}

QImage chevronRight(const QColor &colour)
{
    return chevron(colour, -90);
}

QImage checkMark()
{
    LineIconCanvas canvas(kSize, kSize, UiPalette::kSurface);
    canvas.painter().drawPolyline(QPolygonF({QPointF(4, 8.5), QPointF(7, 11.5), QPointF(12, 5)}));
    return canvas.finish();
}

QImage partialMark()
{
    LineIconCanvas canvas(kSize, kSize, UiPalette::kSurface);
    canvas.painter().drawLine(QPointF(4.5, 8), QPointF(11.5, 8));
    return canvas.finish();
}

} // namespace ControlIcons
