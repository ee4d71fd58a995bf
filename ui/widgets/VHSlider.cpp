#include "VHSlider.h"

#include <QMouseEvent>

#include <algorithm>

VHSlider::VHSlider(QWidget *parent) : QSlider(parent)
{
}

VHSlider::VHSlider(Qt::Orientation orientation, QWidget *parent) : QSlider(orientation, parent)
{
}

int VHSlider::valueAtPosition(int x, int width, int minimum, int maximum)
{
    if (width <= 0)
        return minimum;
    const qint64 offset = (qint64(maximum) - minimum) * x / width;
    const qint64 value = std::max<qint64>(std::min<qint64>(minimum + offset, maximum), minimum);
    return int(value);
}

void VHSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setValue(valueAtPosition(event->pos().x(), width(), minimum(), maximum()));
    QSlider::mousePressEvent(event);
}
