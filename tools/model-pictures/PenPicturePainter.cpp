#include "PenPicturePainter.h"

#include "PictureStyle.h"

#include <QPainter>
#include <QPolygonF>

using namespace PictureStyle;

namespace {

constexpr double kCentre = PenPicturePainter::kWidth / 2.0;
constexpr double kTop = 16;
constexpr double kBarrelEnd = 290;
constexpr double kTip = 328;
constexpr double kGripTop = 150;
constexpr double kGripEnd = 246;
constexpr double kEraserEnd = 42;
constexpr double kRingTop = 110;

QRectF band(double width, double top, double bottom)
{
    return QRectF(kCentre - width / 2, top, width, bottom - top);
}

} // namespace

PenPicturePainter::Look PenPicturePainter::lookOf(const QString &penId)
{
    if (penId == QLatin1String("p02"))
        return {18, true, QColor()};
    if (penId == QLatin1String("p03"))
        return {14, false, QColor()};
    if (penId == QLatin1String("p05"))
        return {18, false, kLight};
    if (penId == QLatin1String("p09"))
        return {20, true, kLight};
    if (penId == QLatin1String("p10"))
        return {16, false, kSilver};
    return {18, false, QColor()};
}

QImage PenPicturePainter::paint(const Look &look, const QRect &button1, const QRect &button2)
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = look.barrelWidth;

    painter.setPen(QPen(kBodyEdge, 1.5));
    painter.setBrush(kBody);
    painter.drawPolygon(QPolygonF({QPointF(kCentre - w / 2, kBarrelEnd - 4),
                                   QPointF(kCentre + w / 2, kBarrelEnd - 4),
                                   QPointF(kCentre + 2, kTip - 4), QPointF(kCentre - 2, kTip - 4)}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNib);
    painter.drawRect(band(2, kTip - 5, kTip));

    painter.setPen(QPen(kBodyEdge, 1.5));
    painter.setBrush(kBody);
    painter.drawRoundedRect(band(w, kTop, kBarrelEnd), w / 2, w / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kControl);
    painter.drawRect(band(w - 3, kGripTop, kGripEnd));
    if (look.eraser) {
        painter.setBrush(kNib);
        painter.drawRoundedRect(band(w - 3, kTop + 2, kEraserEnd), (w - 3) / 2, (w - 3) / 2);
    }
    if (look.ring.isValid()) {
        painter.setBrush(look.ring);
        painter.drawRect(band(w - 1, kRingTop, kRingTop + 4));
    }
    paintButton(painter, button1);
    paintButton(painter, button2);
    painter.end();
    return image;
}

void PenPicturePainter::paintButton(QPainter &painter, const QRect &button)
{
    if (button.isNull())
        return;
    painter.setPen(QPen(kControlEdge, 1.0));
    painter.setBrush(kSurface);
    painter.drawRoundedRect(QRectF(button).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}
