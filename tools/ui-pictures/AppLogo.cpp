#include "AppLogo.h"

#include "UiPalette.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace AppLogo {

namespace {

// The logo is drawn on a grid of 32 units.
constexpr double kGrid = 32;

// The nib upright, its tip at (0, 0) and its body above.
QPainterPath nibOutline()
{
    QPainterPath nib;
    nib.moveTo(0, 0);
    nib.lineTo(-5.5, -11);
    nib.lineTo(-5.5, -16);
    nib.quadTo(-5.5, -19, -2.5, -19);
    nib.lineTo(2.5, -19);
    nib.quadTo(5.5, -19, 5.5, -16);
    nib.lineTo(5.5, -11);
    nib.closeSubpath();
    return nib;
}

} // namespace

QImage draw(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double unitsPerPixel = kGrid / size;
    p.scale(1 / unitsPerPixel, 1 / unitsPerPixel);

    // At least 1.5 px, so the outline holds at 16 px; 2.5 units where there is room.
    const double outline = std::max(2.5, 1.5 * unitsPerPixel);
    p.setPen(QPen(UiPalette::kAccent, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2, 9, 24, 19), 3.5, 3.5);

    p.translate(11, 23);
    p.rotate(45);
    const QPainterPath nib = nibOutline();
    // A gap around the nib, cut through the tablet's outline, so the nib lies over it on any
    // background.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(QPen(Qt::black, outline * 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::black);
    p.drawPath(nib);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setPen(Qt::NoPen);
    p.setBrush(UiPalette::kAccent);
    p.drawPath(nib);
    // The slit and the breather hole, cut out of the nib.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(QPen(Qt::black, std::max(1.2, 1.0 * unitsPerPixel), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, 0.5), QPointF(0, -9));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const double hole = std::max(1.6, 1.2 * unitsPerPixel);
    p.drawEllipse(QPointF(0, -10.5), hole, hole);
    p.end();
    return image;
}

} // namespace AppLogo
