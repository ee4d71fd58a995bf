#pragma once

#include <QImage>
#include <QPainterPath>

// The icons of the main window's menu (32 x 32) and of the tray menu (24 x 24).
namespace MenuIcons {

QImage pen();
QImage expressKeys();
QImage screenMapping();
QImage settings();
QImage showWindow();
QImage exitProgram();

// A gear of `teeth` teeth around (0, 0), for the settings icons.
QPainterPath gear(double outerRadius, double innerRadius, int teeth);

} // namespace MenuIcons
