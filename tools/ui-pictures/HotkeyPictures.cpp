// The pictures of the express-key page and its dialogs: the binding row's key, dial and touch
// pictures, and the arrows that mark the touch segments on the tablet picture.
#include "LineIconCanvas.h"
#include "Picture.h"
#include "UiPalette.h"

#include <QPainterPath>
#include <QPolygonF>

namespace {

constexpr int kRow = 24;

// A keyboard: an express key's row.
QImage keyboard()
{
    LineIconCanvas canvas(kRow, kRow, UiPalette::kText);
    QPainter &p = canvas.painter();
    p.drawRoundedRect(QRectF(2.5, 6, 19, 12), 2.5, 2.5);
    for (int column = 0; column < 4; ++column) {
        p.drawPoint(QPointF(6.5 + column * 3.67, 9.5));
        p.drawPoint(QPointF(6.5 + column * 3.67, 12.5));
    }
    p.drawLine(QPointF(8.5, 15), QPointF(15.5, 15));
    return canvas.finish();
}

// A knob with its marker under an arrow that turns it: a dial's row.
QImage dial()
{
    LineIconCanvas canvas(kRow, kRow, UiPalette::kText);
    QPainter &p = canvas.painter();
    const QPointF centre(12, 13.5);
    p.drawEllipse(centre, 5.5, 5.5);
    p.drawLine(centre, centre + QPointF(2.6, -2.6));
    const double radius = 9.5;
    const QRectF around(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(around, 150);
    arc.arcTo(around, 150, -115);
    p.drawPath(arc);
    // The arrow's head where the arc ends, on the upper right, turned along it.
    const QPointF end = arc.currentPosition();
    p.drawPolyline(QPolygonF({end + QPointF(-3.4, 0.2), end, end + QPointF(-0.4, -3.3)}));
    return canvas.finish();
}

// A strip with a fingertip on one of its segments: a touch control's row.
QImage touch()
{
    LineIconCanvas canvas(kRow, kRow, UiPalette::kText);
    QPainter &p = canvas.painter();
    p.drawRoundedRect(QRectF(8, 2.5, 8, 19), 4, 4);
    p.drawLine(QPointF(8, 9), QPointF(16, 9));
    p.drawLine(QPointF(8, 15), QPointF(16, 15));
    canvas.setFilled(true);
    p.drawEllipse(QPointF(12, 12), 1.6, 1.6);
    return canvas.finish();
}

// An arrow drawn over the dark tablet picture, pointing up before it is turned.
QImage segmentArrow(double turn)
{
    LineIconCanvas canvas(kRow, kRow, UiPalette::kSurface);
    QPainter &p = canvas.painter();
    p.translate(12, 12);
    p.rotate(turn);
    p.drawLine(QPointF(0, 5), QPointF(0, -5));
    p.drawPolyline(QPolygonF({QPointF(-4, -1), QPointF(0, -5), QPointF(4, -1)}));
    return canvas.finish();
}

std::vector<Picture> hotkeyPictures()
{
    return {
        {"24x24/keyboard_24x24.png", keyboard},
        {"24x24/dial_24x24.png", dial},
        {"24x24/touch_24x24.png", touch},
        {"24x24/arrow_up_24x24.png", [] { return segmentArrow(0); }},
        {"24x24/arrow_right_24x24.png", [] { return segmentArrow(90); }},
        {"24x24/arrow_down_24x24.png", [] { return segmentArrow(180); }},
        {"24x24/arrow_left_24x24.png", [] { return segmentArrow(270); }},
    };
}

} // namespace

QZ_PICTURE_LIST(hotkey, hotkeyPictures)
