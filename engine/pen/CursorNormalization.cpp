#include "engine/pen/CursorNormalization.h"

#include <cmath>

namespace {

// One axis: the cursor's place in the monitor's logical rectangle carried to its device
// rectangle, then scaled from the desktop's extent to the report range.
int normalizedAxis(double cursor, double logicalStart, double logicalExtent, double deviceStart,
                   double deviceExtent, double desktopExtent)
{
    const double device = (cursor - logicalStart) / logicalExtent * deviceExtent + deviceStart;
    const double offset = std::trunc(CursorNormalization::kRange / desktopExtent * 0.5 + 0.5);
    return int(std::trunc(device / (desktopExtent / CursorNormalization::kRange) + offset));
}

} // namespace

QPoint CursorNormalization::toNormalized(const std::vector<MonitorInfo> &monitors, const QPoint &cursor)
{
    if (monitors.empty())
        return kNoMonitors;
    const QRect desktop = monitors.front().desktopRect;
    if (desktop.width() <= 0 || desktop.height() <= 0)
        return QPoint(0, 0);
    for (const MonitorInfo &monitor : monitors) {
        const QRect logical = monitor.logicalMonitorRect;
        if (!logical.contains(cursor) || logical.width() <= 0 || logical.height() <= 0)
            continue;
        const QRect device = monitor.monitorRect;
        return QPoint(normalizedAxis(cursor.x(), logical.left(), logical.width(), device.left(),
                                     device.width(), desktop.width()),
                      normalizedAxis(cursor.y(), logical.top(), logical.height(), device.top(),
                                     device.height(), desktop.height()));
    }
    return QPoint(0, 0);
}
