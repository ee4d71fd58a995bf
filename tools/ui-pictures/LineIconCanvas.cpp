#include "LineIconCanvas.h"

LineIconCanvas::LineIconCanvas(int size, int grid, const QColor &colour)
    : image(size, size, QImage::Format_ARGB32_Premultiplied),
      unitsPerPixel(double(grid) / size), stroke(colour)
{
    image.fill(Qt::transparent);
    paint = std::make_unique<QPainter>(&image);
    paint->setRenderHint(QPainter::Antialiasing);
    paint->scale(1.0 / unitsPerPixel, 1.0 / unitsPerPixel);
    setStroke(colour);
    setFilled(false);
}

QPainter &LineIconCanvas::painter()
{
    return *paint;
}

void LineIconCanvas::setStroke(const QColor &colour, double pixels)
{
    stroke = colour;
    paint->setPen(QPen(colour, pixels * unitsPerPixel, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void LineIconCanvas::setFilled(bool filled)
{
    paint->setBrush(filled ? QBrush(stroke) : QBrush(Qt::NoBrush));
}

QImage LineIconCanvas::finish()
{
    paint.reset();
    return image;
}
