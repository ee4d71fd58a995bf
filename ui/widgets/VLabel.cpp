#include "VLabel.h"

#include <QPainter>

void VLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.translate(rect().center());
    painter.rotate(-90);
    painter.drawText(QPoint(-(height() / 2), 0), text());
}
