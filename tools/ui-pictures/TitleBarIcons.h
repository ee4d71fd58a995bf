#pragma once

#include <QColor>
#include <QImage>

// The title bar's buttons, 24 x 24: close, minimise, maximise, settings and the pin that keeps
// the window on top, each in the colour of its state (at rest, under the pointer).
namespace TitleBarIcons {

QImage close(const QColor &colour);
QImage minimise(const QColor &colour);
QImage maximise(const QColor &colour);
QImage settings(const QColor &colour);
QImage thumbtack(const QColor &colour);

} // namespace TitleBarIcons
