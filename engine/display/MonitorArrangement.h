#pragma once

#include "engine/display/MonitorInfo.h"

#include <QSize>

#include <string>
#include <vector>

// The pure steps of listing monitors: where the desktop starts, how each monitor's rectangles
// are moved so that the desktop starts at (0, 0), which monitors are pen displays.
namespace MonitorArrangement {

// The EDID code of a monitor from its device id "MONITOR\<code>\...".
std::string identifierFromDeviceId(const std::string &deviceId);

// A monitor's rectangle in physical pixels: its display mode's position and size, or, when the
// mode has no size (Wine reports none for every display but the first when it takes its
// monitors from Xinerama), the rectangle the system gives the monitor.
QRect monitorRect(const QRect &mode, const QRect &system);

// The bounding box of (0, 0) and every monitor rectangle, before any move.
QRect desktopBounds(const std::vector<MonitorInfo> &monitors);

// Gives every record the desktop rectangle and moves the monitor, desktop and logical monitor
// rectangles: the first two by the desktop's distance from (0, 0), the logical one by the
// virtual screen's.
void arrange(std::vector<MonitorInfo> &monitors);

// Sets both pen-display flags of the monitors whose identifier contains one of the codes.
void markPenDisplays(std::vector<MonitorInfo> &monitors, const std::vector<std::string> &codes);

// Display size for an orientation: the longer side as width for 0 and 2, as height for 1 and 3.
QSize orientedSize(const QSize &size, int orientation);

// A monitor's screenshot is a third of its size.
QSize screenshotSize(const QSize &monitorSize);

} // namespace MonitorArrangement
