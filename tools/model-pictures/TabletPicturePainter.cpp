#include "TabletPicturePainter.h"

#include "PictureStyle.h"

#include "config/layout/TabletLayoutDial.h"
#include "config/layout/TabletLayoutKey.h"
#include "config/layout/TabletLayoutTouch.h"

#include <QPainter>
#include <QPolygonF>

using namespace PictureStyle;

namespace {

constexpr int kCornerMark = 10;

QRectF cornerQuarter(const QRectF &rect, std::size_t corner)
{
    const QSizeF size(rect.width() / 2, rect.height() / 2);
    switch (corner) {
    case TabletLayoutKey::TopLeft:
        return QRectF(rect.topLeft(), size);
    case TabletLayoutKey::TopRight:
        return QRectF(QPointF(rect.center().x(), rect.top()), size);
    case TabletLayoutKey::BottomRight:
        return QRectF(rect.center(), size);
    default:
        return QRectF(QPointF(rect.left(), rect.center().y()), size);
    }
}

// A triangle pointing the way of the segment: 1 up, 2 down, 3 left, 4 right.
QPolygonF arrow(const QRectF &rect, int event)
{
    const QPointF c = rect.center();
    const double s = std::min(rect.width(), rect.height()) / 5.0;
    switch (event) {
    case 1:
        return QPolygonF({c + QPointF(0, -s), c + QPointF(s, s * 0.6), c + QPointF(-s, s * 0.6)});
    case 2:
        return QPolygonF({c + QPointF(0, s), c + QPointF(s, -s * 0.6), c + QPointF(-s, -s * 0.6)});
    case 3:
        return QPolygonF({c + QPointF(-s, 0), c + QPointF(s * 0.6, s), c + QPointF(s * 0.6, -s)});
    case 4:
        return QPolygonF({c + QPointF(s, 0), c + QPointF(-s * 0.6, s), c + QPointF(-s * 0.6, -s)});
    default:
        return QPolygonF();
    }
}

void paintCornerMarks(QPainter &painter, const QRect &work)
{
    painter.setPen(QPen(kMark, 2.0, Qt::SolidLine, Qt::SquareCap));
    const QRectF r = QRectF(work).adjusted(3, 3, -3, -3);
    const QPointF corners[] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
    const QPointF toward[] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    for (int i = 0; i < 4; ++i) {
        painter.drawLine(corners[i], corners[i] + QPointF(toward[i].x() * kCornerMark, 0));
        painter.drawLine(corners[i], corners[i] + QPointF(0, toward[i].y() * kCornerMark));
    }
}

} // namespace

QImage TabletPicturePainter::paint(const TabletLayoutTabletPart &tablet, bool penDisplay)
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBody(painter, bodyRect(tablet));
    paintWorkArea(painter, tablet.workRect, penDisplay);
    for (const TabletLayoutComponentPtr &component : tablet.components)
        paintComponent(painter, *component);
    painter.end();
    return image;
}

QRect TabletPicturePainter::bodyRect(const TabletLayoutTabletPart &tablet)
{
    QRect united = tablet.workRect;
    for (const TabletLayoutComponentPtr &component : tablet.components)
        united = united.united(component->rect);
    return united.adjusted(-kBodyPadding, -kBodyPadding, kBodyPadding, kBodyPadding);
}

QPainterPath TabletPicturePainter::keyShape(const TabletLayoutKey &key)
{
    const QRectF rect(key.rect);
    QPainterPath shape;
    shape.addRoundedRect(rect, key.radius[TabletLayoutKey::X], key.radius[TabletLayoutKey::Y]);
    for (std::size_t corner = TabletLayoutKey::TopLeft; corner <= TabletLayoutKey::BottomLeft;
         ++corner) {
        if (key.radius[corner] == 0.0) {
            QPainterPath quarter;
            quarter.addRect(cornerQuarter(rect, corner));
            shape = shape.united(quarter);
        }
    }
    return shape.simplified();
}

void TabletPicturePainter::paintBody(QPainter &painter, const QRect &body)
{
    painter.setPen(QPen(kBodyEdge, 2.0));
    painter.setBrush(kBody);
    painter.drawRoundedRect(QRectF(body).adjusted(1, 1, -1, -1), kBodyRadius, kBodyRadius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLight);
    painter.drawEllipse(QPointF(body.right() - 26, body.top() + 9), 2.5, 2.5);
}

void TabletPicturePainter::paintWorkArea(QPainter &painter, const QRect &work, bool penDisplay)
{
    painter.setPen(QPen(penDisplay ? kScreenEdge : kSurfaceEdge, 1.0));
    painter.setBrush(penDisplay ? kScreen : kSurface);
    painter.drawRect(QRectF(work).adjusted(0.5, 0.5, -0.5, -0.5));
    if (!penDisplay)
        paintCornerMarks(painter, work);
}

void TabletPicturePainter::paintComponent(QPainter &painter,
                                          const TabletLayoutComponent &component)
{
    switch (component.type) {
    case TabletLayoutComponent::Key:
        paintKey(painter, static_cast<const TabletLayoutKey &>(component));
        break;
    case TabletLayoutComponent::Dial:
        paintDial(painter, static_cast<const TabletLayoutDial &>(component));
        break;
    case TabletLayoutComponent::Touch:
        paintTouch(painter, static_cast<const TabletLayoutTouch &>(component));
        break;
    default:
        break;
    }
}

void TabletPicturePainter::paintKey(QPainter &painter, const TabletLayoutKey &key)
{
    painter.setPen(QPen(key.isVirtual ? kPrinted : kControlEdge, 1.0));
    painter.setBrush(key.isVirtual ? kSurface : kControl);
    painter.drawPath(keyShape(key).translated(0.5, 0.5));
}

void TabletPicturePainter::paintDial(QPainter &painter, const TabletLayoutDial &dial)
{
    const QRectF ring = QRectF(dial.rect).adjusted(1, 1, -1, -1);
    const QPointF centre = ring.center();
    painter.setPen(QPen(kControlEdge, 1.5));
    painter.setBrush(kControl);
    painter.drawEllipse(ring);
    painter.setBrush(kBody);
    painter.drawEllipse(centre, dial.r, dial.r);
    painter.setPen(QPen(kMark, 2.0, Qt::SolidLine, Qt::RoundCap));
    const double outer = ring.height() / 2 - 3;
    painter.drawLine(centre - QPointF(0, outer), centre - QPointF(0, dial.r + 3));
}

void TabletPicturePainter::paintTouch(QPainter &painter, const TabletLayoutTouch &touch)
{
    const QRectF rect = QRectF(touch.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(kControlEdge, 1.0));
    painter.setBrush(kControl);
    painter.drawRect(rect);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMark);
    painter.drawPolygon(arrow(rect, touch.event));
}
