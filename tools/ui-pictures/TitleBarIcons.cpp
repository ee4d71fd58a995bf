#include "TitleBarIcons.h"

#include "LineIconCanvas.h"
#include "MenuIcons.h"

#include <QPainterPath>

namespace TitleBarIcons {

namespace {

constexpr int kSize = 24;

} // namespace

QImage close(const QColor &colour)
{
    LineIconCanvas canvas(kSize, kSize, colour);
    QPainter &p = canvas.painter();
    p.drawLine(QPointF(8, 8), QPointF(16, 16));
    p.drawLine(QPointF(16, 8), QPointF(8, 16));
    return canvas.finish();
}

QImage minimise(const QColor &colour)
{
    LineIconCanvas canvas(kSize, kSize, colour);
    canvas.painter().drawLine(QPointF(7, 12), QPointF(17, 12));
    return canvas.finish();
}

QImage maximise(const QColor &colour)
{
    LineIconCanvas canvas(kSize, kSize, colour);
    canvas.painter().drawRoundedRect(QRectF(7, 7, 10, 10), 1.5, 1.5);
    return canvas.finish();
}

QImage settings(const QColor &colour)
{
    LineIconCanvas canvas(kSize, kSize, colour);
    QPainter &p = canvas.painter();
    p.translate(12, 12);
    p.drawPath(MenuIcons::gear(7.5, 5.5, 6));
    p.drawEllipse(QPointF(0, 0), 2, 2);
    return canvas.finish();
}

QImage thumbtack(const QColor &colour)
{
    LineIconCanvas canvas(kSize, kSize, colour);
    QPainter &p = canvas.painter();
    // An upright pin turned a little, its needle down to the left.
    p.translate(12, 12);
    p.rotate(40);
    QPainterPath head;
    head.moveTo(-3, -7);
    head.lineTo(3, -7);
    head.moveTo(-2, -7);
    head.lineTo(-2, -2);
    head.lineTo(-4.5, 1);
    head.lineTo(4.5, 1);
    head.lineTo(2, -2);
    head.lineTo(2, -7);
    p.drawPath(head);
    p.drawLine(QPointF(0, 1), QPointF(0, 8));
    return canvas.finish();
}

} // namespace TitleBarIcons
