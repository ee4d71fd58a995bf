#pragma once

#include <QColor>
#include <QImage>

// The title bar's buttons, 24 x 24: close, minimise, maximise, settings and the pin that keeps
// the window on top.
namespace TitleBarIcons {

QImage close(const QColor &colour);
QImage minimise();
QImage maximise();
QImage settings();
QImage thumbtack();

} // namespace TitleBarIcons
