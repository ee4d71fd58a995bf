#pragma once

#include "engine/display/MonitorInfo.h"

#include <QPoint>

#include <vector>

// Wintab clients see the desktop in logical pixels of the virtual screen, while the normalised
// position spans the desktop in device pixels; with display scaling the two differ.
namespace WintabPosition {

// The normalised position (0..32767 over the desktop rectangle) converted through the monitor
// under it to 0..32767 over the virtual screen. An empty monitor list, a first record with an
// empty desktop or virtual-screen rectangle, or a point on no monitor gives the position back
// unchanged; the result is kept within 0..32767.
QPoint toWintabPosition(const std::vector<MonitorInfo> &monitors, const QPoint &normalised);

} // namespace WintabPosition
