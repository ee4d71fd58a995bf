#include "ui/pages/LayoutComponentShape.h"

#include <QRectF>

namespace LayoutComponentShape {

QPainterPath key(const TabletLayoutKey &key)
{
    const QRectF area(key.rect);
    QPainterPath shape;
    shape.addRoundedRect(area, key.radius[TabletLayoutKey::X], key.radius[TabletLayoutKey::Y]);
    const int width = key.rect.width();
    const int height = key.rect.height();
    const QSizeF quarter(width - width / 2, height - height / 2);
    const struct {
        TabletLayoutKey::Radius corner;
        QPointF topLeft;
    } corners[] = {
        {TabletLayoutKey::TopLeft, area.topLeft()},
        {TabletLayoutKey::TopRight, QPointF(area.right() - quarter.width(), area.top())},
        {TabletLayoutKey::BottomRight, QPointF(area.right() - quarter.width(), area.bottom() - quarter.height())},
        {TabletLayoutKey::BottomLeft, QPointF(area.left(), area.bottom() - quarter.height())},
    };
    for (const auto &corner : corners) {
        if (key.radius[corner.corner] != 0.0)
            continue;
        QPainterPath square;
        square.addRect(QRectF(corner.topLeft, quarter));
        shape = shape.united(square);
    }
    return shape;
}

QPainterPath dialRing(const TabletLayoutDial &dial)
{
    const QRectF area(dial.rect);
    QPainterPath ring;
    ring.addEllipse(area);
    QPainterPath centre;
    centre.addEllipse(area.center(), dial.r, dial.r);
    return ring.subtracted(centre);
}

} // namespace LayoutComponentShape
