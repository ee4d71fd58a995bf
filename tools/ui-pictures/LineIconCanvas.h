#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include <memory>

// A transparent square picture on which a line icon is drawn in grid units: a picture of `size`
// pixels on a grid of `grid` units, so the same drawing serves every size. Strokes are 2 px wide
// in the picture whatever the grid, with rounded ends and joins.
class LineIconCanvas
{
public:
    LineIconCanvas(int size, int grid, const QColor &colour);

    QPainter &painter();
    // The 2 px pen in another colour, or of another width in pixels.
    void setStroke(const QColor &colour, double pixels = 2.0);
    // Fills shapes with the stroke colour (for dots and solid parts) or with nothing.
    void setFilled(bool filled);
    QImage finish();

private:
    QImage image;
    std::unique_ptr<QPainter> paint;
    double unitsPerPixel;
    QColor stroke;
};
