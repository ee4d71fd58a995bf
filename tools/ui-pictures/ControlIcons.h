#pragma once

#include <QColor>
#include <QImage>

// The small pictures of rows and standard controls, 16 x 16: the row arrow and link, the
// chevrons of combo and spin boxes, the marks of check boxes.
namespace ControlIcons {

QImage rowArrow();
QImage rowLink();
QImage chevronDown(const QColor &colour);
QImage chevronUp(const QColor &colour);
QImage chevronRight(const QColor &colour);
QImage checkMark();
QImage partialMark();

} // namespace ControlIcons
