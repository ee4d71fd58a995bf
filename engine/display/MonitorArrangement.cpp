#include "engine/display/MonitorArrangement.h"

#include <algorithm>
#include <cstdlib>

namespace MonitorArrangement {

std::string identifierFromDeviceId(const std::string &deviceId)
{
    // "MONITOR\" is eight characters; the code runs to the next backslash.
    constexpr std::size_t kPrefixLength = 8;
    if (deviceId.size() <= kPrefixLength)
        return {};
    const std::size_t end = deviceId.find('\\', kPrefixLength);
    return deviceId.substr(kPrefixLength, end == std::string::npos ? std::string::npos : end - kPrefixLength);
}

QRect monitorRect(const QRect &mode, const QRect &system)
{
    return mode.width() > 0 && mode.height() > 0 ? mode : system;
}

QRect desktopBounds(const std::vector<MonitorInfo> &monitors)
{
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom exclusive here
    for (const MonitorInfo &monitor : monitors) {
        const QRect &rect = monitor.monitorRect;
        left = std::min(left, rect.left());
        top = std::min(top, rect.top());
        right = std::max(right, rect.left() + rect.width());
        bottom = std::max(bottom, rect.top() + rect.height());
    }
    return QRect(left, top, right - left, bottom - top);
}

void arrange(std::vector<MonitorInfo> &monitors)
{
    const QRect desktop = desktopBounds(monitors);
    const QPoint toOrigin(std::abs(desktop.left()), std::abs(desktop.top()));
    for (MonitorInfo &monitor : monitors) {
        monitor.desktopRect = desktop.translated(toOrigin);
        monitor.monitorRect.translate(toOrigin);
        const QRect &virtualScreen = monitor.virtualScreenRect;
        monitor.logicalMonitorRect = monitor.systemMonitorRect.translated(
                std::abs(virtualScreen.left()), std::abs(virtualScreen.top()));
    }
}

void markPenDisplays(std::vector<MonitorInfo> &monitors, const std::vector<std::string> &codes)
{
    for (MonitorInfo &monitor : monitors) {
        const bool penDisplay = std::any_of(codes.begin(), codes.end(), [&](const std::string &code) {
            return !code.empty() && monitor.identifier.find(code) != std::string::npos;
        });
        monitor.penDisplay = penDisplay;
        monitor.penDisplaySecondFlag = penDisplay;
    }
}

QSize orientedSize(const QSize &size, int orientation)
{
    const int longer = std::max(size.width(), size.height());
    const int shorter = std::min(size.width(), size.height());
    const bool upright = orientation == 1 || orientation == 3;
    return upright ? QSize(shorter, longer) : QSize(longer, shorter);
}

QSize screenshotSize(const QSize &monitorSize)
{
    return QSize((monitorSize.width() + 1) / 3, (monitorSize.height() + 1) / 3);
}

} // namespace MonitorArrangement
