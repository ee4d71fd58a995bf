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

// The normalised position of a rotated point; false when an extent is empty. Gives its result
// through `position`: a returned optional cost a stall per pen report.
bool normalise(std::int64_t x, std::int64_t y, const MappingFrame &frame, QPoint &position)
{
    if (!frame.usable)
        return false;
    const TabletWorkArea &area = frame.area;
    const QRect &screenPart = frame.part;
    const QRect &desktopRect = frame.absRect;
    const QSize &desktop = frame.desktopSize;

    // Screen part: the work area stretched over the chosen part of the screen, in pixels of
    // that screen.
    const double screenX = screenPart.x() + (x - area.left) * screenPart.width() / area.width;
    const double screenY = screenPart.y() + (y - area.top) * screenPart.height() / area.height;

    // Desktop: the screen's place on the desktop.
    const double desktopX = screenX + (frame.wholeDesktop ? 0 : desktopRect.left());
    const double desktopY = screenY + (frame.wholeDesktop ? 0 : desktopRect.top());

    // Normalised units over the whole desktop.
    position = QPoint(normalisedAxis(desktopX, desktop.width()), normalisedAxis(desktopY, desktop.height()));
    return true;
}

} // namespace

bool MappingFrame::isFor(const MappingConfigure &mapping, const PenDeviceLimits &device) const
{
    return rotation == mapping.rotation && workArea == mapping.workArea
            && absRect == mapping.absRect && part == mapping.part
            && desktopSize == mapping.desktopSize && maximumX == device.maximumX
            && maximumY == device.maximumY;
}

bool TabletWorkArea::contains(std::int64_t x, std::int64_t y) const
{
    const std::int64_t leftEdge = truncated(left);
    const std::int64_t topEdge = truncated(top);
    const std::int64_t rightEdge = leftEdge + truncated(width);
    const std::int64_t bottomEdge = topEdge + truncated(height);
    return x >= leftEdge && x <= rightEdge && y >= topEdge && y <= bottomEdge;
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

MappingFrame PenMapping::frameFor(const MappingConfigure &mapping, const PenDeviceLimits &device)
{
    MappingFrame frame;
    frame.rotation = mapping.rotation;
    frame.workArea = mapping.workArea;
    frame.absRect = mapping.absRect;
    frame.part = mapping.part;
    frame.desktopSize = mapping.desktopSize;
    frame.maximumX = device.maximumX;
    frame.maximumY = device.maximumY;

    // Rotation: the tablet is turned before its area is chosen.
    const PenPoint extent = rotatePoint({0, 0, 0, 0, device.maximumX, device.maximumY}, mapping.rotation);
    frame.area = tabletWorkArea(mapping.workArea, static_cast<double>(extent.width),
                                static_cast<double>(extent.height));
    frame.usable = !hasEmptyExtent(frame.area, mapping);
    frame.wholeDesktop = mapping.absRect.size() == mapping.desktopSize;
    return frame;
}

std::optional<QPoint> PenMapping::normalisedPosition(std::int64_t x, std::int64_t y,
                                                     const MappingFrame &frame)
{
    QPoint position;
    if (!normalise(x, y, frame, position))
        return std::nullopt;
    return position;
}

std::optional<MappedPen> PenMapping::mapPen(const TabletPenPacket &packet, const MappingFrame &frame,
                                            bool keepOutside)
{
    // Raw units: the packet as the tablet reports it.
    const PenPoint raw{packet.x, packet.y, packet.tiltX, packet.tiltY, frame.maximumX, frame.maximumY};
    const PenPoint rotated = rotatePoint(raw, frame.rotation);

    const bool leaving = packet.status == TabletPenPacket::OutOfRange;
    if (!frame.area.contains(rotated.x, rotated.y) && !keepOutside && !leaving)
        return std::nullopt;

    QPoint normalised;
    if (!normalise(rotated.x, rotated.y, frame, normalised))
        return std::nullopt;
    return MappedPen{rotated, normalised};
}

std::optional<MappedPen> PenMapping::mapPen(const TabletPenPacket &packet,
                                            const MappingConfigure &mapping,
                                            const PenDeviceLimits &device, bool keepOutside)
{
    return mapPen(packet, frameFor(mapping, device), keepOutside);
}
