#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window of `window` size goes so that it is centred on `screen`: the screen
// rectangle's centre less half the window, each half rounded toward zero.
QPoint centredWindowPosition(const QRect &screen, const QSize &window);
