#include "engine/pen/WintabPosition.h"

#include "engine/pen/PenMapping.h"

#include <cstdint>

namespace {

constexpr std::int64_t kScale = PenMapping::kNormalisedMaximum;

// Rectangle edges and extents as 64-bit values on one axis.
struct Span
{
    std::int64_t start;
    std::int64_t length;

    bool contains(std::int64_t value) const { return value >= start && value < start + length; }
};

Span horizontal(const QRect &r)
{
    return {r.left(), static_cast<std::int64_t>(r.right()) - r.left() + 1};
}

Span vertical(const QRect &r)
{
    return {r.top(), static_cast<std::int64_t>(r.bottom()) - r.top() + 1};
}

// The monitor's logical coordinate, normalised over the virtual screen, for a position given
// as normalised over the desktop. Worked in integers on the exact fraction
// desktopPixel = normalised x desktop / 32767, so that a position that maps to itself does.
std::int64_t logicalNormalised(std::int64_t normalised, std::int64_t desktop, Span device,
                               Span logical, std::int64_t virtualScreen)
{
    const std::int64_t intoDevice = normalised * desktop - device.start * kScale;
    const std::int64_t numerator =
            logical.start * kScale * device.length + logical.length * intoDevice;
    return numerator / (device.length * virtualScreen);
}

QPoint clamped(const QPoint &position)
{
    return QPoint(PenMapping::clampNormalised(position.x()),
                  PenMapping::clampNormalised(position.y()));
}

} // namespace

QPoint WintabPosition::toWintabPosition(const std::vector<MonitorInfo> &monitors,
                                        const QPoint &normalised)
{
    if (monitors.empty())
        return clamped(normalised);
    const MonitorInfo &first = monitors.front();
    const Span desktopX = horizontal(first.desktopRect);
    const Span desktopY = vertical(first.desktopRect);
    const std::int64_t virtualWidth = horizontal(first.virtualScreenRect).length;
    const std::int64_t virtualHeight = vertical(first.virtualScreenRect).length;
    if (desktopX.length <= 0 || desktopY.length <= 0 || virtualWidth <= 0 || virtualHeight <= 0)
        return clamped(normalised);

    // Desktop pixel under the position.
    const std::int64_t pixelX = normalised.x() * desktopX.length / kScale;
    const std::int64_t pixelY = normalised.y() * desktopY.length / kScale;

    for (const MonitorInfo &monitor : monitors) {
        const Span deviceX = horizontal(monitor.monitorRect);
        const Span deviceY = vertical(monitor.monitorRect);
        if (deviceX.length <= 0 || deviceY.length <= 0 || !deviceX.contains(pixelX)
            || !deviceY.contains(pixelY))
            continue;
        const std::int64_t x = logicalNormalised(normalised.x(), desktopX.length, deviceX,
                                                 horizontal(monitor.logicalMonitorRect),
                                                 virtualWidth);
        const std::int64_t y = logicalNormalised(normalised.y(), desktopY.length, deviceY,
                                                 vertical(monitor.logicalMonitorRect),
                                                 virtualHeight);
        return QPoint(PenMapping::clampNormalised(x), PenMapping::clampNormalised(y));
    }
    return clamped(normalised);
}
