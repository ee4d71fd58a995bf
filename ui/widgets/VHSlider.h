#pragma once

#include <QSlider>

// A slider that jumps to the point clicked instead of stepping towards it, and can be dragged on
// from there.
class VHSlider : public QSlider
{
    Q_OBJECT

public:
    explicit VHSlider(QWidget *parent = nullptr);
    explicit VHSlider(Qt::Orientation orientation, QWidget *parent = nullptr);

    // The value under x in a slider of the given width and range, kept within the range.
    static int valueAtPosition(int x, int width, int minimum, int maximum);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
