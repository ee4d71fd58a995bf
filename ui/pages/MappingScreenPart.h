#pragma once

#include "config/configure/ConfigureMonitor.h"
#include "config/configure/TabletConfigure.h"
#include "engine/display/MonitorInfo.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The screen side of the mapping as the mapping page stores it: which screen the tablet drives
// and where that screen lies on the desktop. Screens are the listed displays in order and, when
// there are two or more, "all screens" after them (its index is the number of displays).
namespace MappingScreenPart {

// How many screens can be chosen: the displays, and all of them together when there are two.
int screenCount(const std::vector<MonitorInfo> &monitors);

// The chosen screen on the desktop: a display's monitor rectangle, or for all screens the first
// display's desktop rectangle; null for an index that chooses nothing.
QRect screenRect(const std::vector<MonitorInfo> &monitors, int index);

// The part of a screen of the given size that a stored part still covers; the whole screen when
// the stored part lies outside it.
QRect fittedArea(const QRect &storedPart, const QSize &screen);

// Writes the screen fields of `mapping` for screen `index` and the area chosen on it (in that
// screen's pixels): the index, the desktop rectangle, the part, the desktop size, the logical
// rectangles, the flag and the monitor code. Nothing is written for an index outside the list.
void store(MappingConfigure &mapping, const std::vector<MonitorInfo> &monitors, int index, const QRect &area,
           std::uint16_t vendorId);

// What loading a configuration needs to know of the monitors.
ConfigureMonitorList configureMonitors(const std::vector<MonitorInfo> &monitors);

// The texts of the screen list: a display ("Screen1 [X:0, Y:0,  1920 x 1080]") and all screens
// ("All [X:0, Y:0,  3840 x 1080]"), and an item's text with its leading word in another language.
QString screenItemText(const QString &screenWord, const MonitorInfo &monitor);
QString allScreensItemText(const QString &allWord, const MonitorInfo &first);
QString retranslatedScreenItem(const QString &item, const QString &screenWord);
QString retranslatedAllScreensItem(const QString &item, const QString &allWord);

// The screen that the screen switch goes to from `current` in a list of `count` items: the next
// display, never all screens; -1 when there is only one display.
int nextSingleScreen(int current, int count);

// The pen display that `mapping` drives alone, when it is turned otherwise than the mapping says:
// the display to turn. None for any other screen or for a display turned so already.
std::optional<MonitorInfo> penDisplayToTurn(const std::vector<MonitorInfo> &monitors, const MappingConfigure &mapping);

} // namespace MappingScreenPart
