#include "Illustrations.h"

#include "UiPalette.h"

#include <QPainter>
#include <QPainterPath>

namespace Illustrations {

namespace {

QPen line(const QColor &colour, double width = 2.0)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawTablet(QPainter &p)
{
    p.setPen(line(UiPalette::kDisabled));
    p.setBrush(UiPalette::kSurface);
    p.drawRoundedRect(QRectF(21, 31, 218, 132), 12, 12);
    p.setPen(line(UiPalette::kBorder));
    p.setBrush(UiPalette::kPanel);
    p.drawRoundedRect(QRectF(41, 49, 150, 96), 4, 4);
    // The express keys beside the active area.
    for (int key = 0; key < 4; ++key)
        p.drawRoundedRect(QRectF(207, 57 + key * 21, 16, 14), 3, 3);
    // The pen lying on the active area.
    p.setPen(line(UiPalette::kSecondaryText));
    p.setBrush(Qt::NoBrush);
    p.save();
    p.translate(120, 98);
    p.rotate(-35);
    p.drawRoundedRect(QRectF(-44, -4, 76, 8), 4, 4);
    p.drawPolyline(QPolygonF({QPointF(32, -3), QPointF(44, 0), QPointF(32, 3)}));
    p.restore();
}

void drawCableAndPlug(QPainter &p)
{
    QPainterPath cable;
    cable.moveTo(239, 97);
    cable.cubicTo(262, 97, 262, 120, 284, 120);
    p.setPen(line(UiPalette::kSecondaryText, 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);
    p.setPen(line(UiPalette::kSecondaryText));
    p.setBrush(UiPalette::kSurface);
    p.drawRoundedRect(QRectF(284, 110, 26, 20), 3, 3);
    p.drawRect(QRectF(310, 114, 14, 12));
    p.setPen(line(UiPalette::kSecondaryText, 1.5));
    p.drawLine(QPointF(314, 118), QPointF(320, 118));
}

void drawPort(QPainter &p)
{
    // The computer's side with its empty USB port.
    p.setPen(line(UiPalette::kDisabled));
    p.setBrush(UiPalette::kPanel);
    p.drawRoundedRect(QRectF(360, 60, 30, 120), 6, 6);
    p.setBrush(UiPalette::kSurface);
    p.drawRect(QRectF(360, 113, 10, 14));
}

void drawBreak(QPainter &p)
{
    p.setPen(line(UiPalette::kError));
    p.drawLine(QPointF(334, 108), QPointF(340, 114));
    p.drawLine(QPointF(334, 126), QPointF(340, 120));
    p.drawLine(QPointF(346, 108), QPointF(342, 113));
    p.drawLine(QPointF(346, 126), QPointF(342, 121));
}

} // namespace

QImage notDetected()
{
    QImage image(400, 194, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawTablet(p);
    drawCableAndPlug(p);
    drawPort(p);
    drawBreak(p);
    p.end();
    return image;
}

QImage exclaim()
{
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(UiPalette::kError);
    p.drawEllipse(QRectF(2, 2, 60, 60));
    p.setPen(line(UiPalette::kSurface, 6.0));
    p.drawLine(QPointF(32, 16), QPointF(32, 36));
    p.drawPoint(QPointF(32, 47));
    p.end();
    return image;
}

} // namespace Illustrations
