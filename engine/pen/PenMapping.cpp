#include "engine/pen/PenMapping.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPercent = 100.0;

std::int64_t truncated(double value)
{
    return static_cast<std::int64_t>(std::trunc(value));
}

// A desktop pixel in normalised units, truncated toward zero and kept on the desktop.
std::int32_t normalisedAxis(double desktopPixel, double desktopExtent)
{
    return PenMapping::truncateNormalised(desktopPixel * PenMapping::kNormalisedMaximum
                                          / desktopExtent);
}

bool hasEmptyExtent(const TabletWorkArea &area, const MappingConfigure &mapping)
{
    return mapping.desktopSize.width() <= 0 || mapping.desktopSize.height() <= 0
            || !(area.width > 0.0) || !(area.height > 0.0) || mapping.absRect.width() <= 0
            || mapping.absRect.height() <= 0 || mapping.part.width() <= 0
            || mapping.part.height() <= 0;
}

} // namespace

bool TabletWorkArea::contains(std::int64_t x, std::int64_t y) const
{
    const std::int64_t leftEdge = truncated(left);
    const std::int64_t topEdge = truncated(top);
    const std::int64_t rightEdge = leftEdge + truncated(width);
    const std::int64_t bottomEdge = topEdge + truncated(height);
    return x >= leftEdge && x <= rightEdge && y >= topEdge && y <= bottomEdge;
}

PenPoint PenMapping::rotatePoint(const PenPoint &p, std::int32_t rotation)
{
    switch (rotation) {
    case 1:
        return {p.height - p.y, p.x, -p.tiltY, p.tiltX, p.height, p.width};
    case 2:
        return {p.width - p.x, p.height - p.y, -p.tiltX, -p.tiltY, p.width, p.height};
    case 3:
        return {p.y, p.width - p.x, p.tiltY, -p.tiltX, p.height, p.width};
    default:
        return p;
    }
}

TabletWorkArea PenMapping::tabletWorkArea(const QRect &workArea, double width, double height)
{
    return {workArea.x() * width / kPercent, workArea.y() * height / kPercent,
            workArea.width() * width / kPercent, workArea.height() * height / kPercent};
}

std::int32_t PenMapping::clampNormalised(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 0, kNormalisedMaximum));
}

std::int32_t PenMapping::truncateNormalised(double value)
{
    if (!(value > 0.0))
        return 0;
    if (value >= kNormalisedMaximum)
        return kNormalisedMaximum;
    return static_cast<std::int32_t>(std::trunc(value));
}

std::optional<QPoint> PenMapping::normalisedPosition(std::int64_t x, std::int64_t y,
                                                     const TabletWorkArea &area,
                                                     const MappingConfigure &mapping)
{
    if (hasEmptyExtent(area, mapping))
        return std::nullopt;
    const QRect &screenPart = mapping.part;
    const QRect &desktopRect = mapping.absRect;
    const QSize &desktop = mapping.desktopSize;

    // Screen part: the work area stretched over the chosen part of the screen, in pixels of
    // that screen.
    const double screenX = screenPart.x() + (x - area.left) * screenPart.width() / area.width;
    const double screenY = screenPart.y() + (y - area.top) * screenPart.height() / area.height;

    // Desktop: the screen's place on the desktop. A rectangle as large as the whole desktop
    // is the desktop itself, which starts at the origin.
    const bool wholeDesktop = desktopRect.size() == desktop;
    const double desktopX = screenX + (wholeDesktop ? 0 : desktopRect.left());
    const double desktopY = screenY + (wholeDesktop ? 0 : desktopRect.top());

    // Normalised units over the whole desktop.
    return QPoint(normalisedAxis(desktopX, desktop.width()),
                  normalisedAxis(desktopY, desktop.height()));
}

std::optional<MappedPen> PenMapping::mapPen(const TabletPenPacket &packet,
                                            const MappingConfigure &mapping,
                                            const PenDeviceLimits &device, bool keepOutside)
{
    // Raw units: the packet as the tablet reports it.
    const PenPoint raw{packet.x, packet.y, packet.tiltX, packet.tiltY, device.maximumX,
                       device.maximumY};

    // Rotation: the tablet is turned before its area is chosen.
    const PenPoint rotated = rotatePoint(raw, mapping.rotation);

    // Work area: the used part of the turned tablet.
    const TabletWorkArea area = tabletWorkArea(
            mapping.workArea, static_cast<double>(rotated.width),
            static_cast<double>(rotated.height));
    const bool leaving = packet.status == TabletPenPacket::OutOfRange;
    if (!area.contains(rotated.x, rotated.y) && !keepOutside && !leaving)
        return std::nullopt;

    const std::optional<QPoint> normalised =
            normalisedPosition(rotated.x, rotated.y, area, mapping);
    if (!normalised)
        return std::nullopt;
    return MappedPen{rotated, *normalised};
}
