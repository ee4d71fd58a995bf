#pragma once

#include "config/configure/TabletConfigure.h"
#include "config/packets/TabletPacket.h"
#include "engine/pen/PenDeviceLimits.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <optional>

// A pen position with its tilt and the tablet extent it lies on.
struct PenPoint
{
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int64_t tiltX = 0;
    std::int64_t tiltY = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
};

// The used part of the tablet in device units (after rotation).
struct TabletWorkArea
{
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;

    // Integer edges as the drop rule sees them: truncated, edges included.
    bool contains(std::int64_t x, std::int64_t y) const;
};

// What mapping one configuration onto one tablet takes besides the packet: the same for every
// packet until the mapping or the tablet changes, so the pen handler keeps it.
struct MappingFrame
{
    // What it was made from.
    std::int32_t rotation = 0;
    QRect workArea;
    QRect absRect;
    QRect part;
    QSize desktopSize;
    std::uint32_t maximumX = 0;
    std::uint32_t maximumY = 0;

    // The used part of the turned tablet.
    TabletWorkArea area;
    // False when an extent that a position divides by is empty: no position at all then.
    bool usable = false;
    // A screen rectangle as large as the whole desktop is the desktop, which starts at 0.
    bool wholeDesktop = false;

    bool isFor(const MappingConfigure &mapping, const PenDeviceLimits &device) const;
};

// A pen packet mapped onto the desktop.
struct MappedPen
{
    // Position, tilt and extent after the rotation of the mapping.
    PenPoint rotated;
    // Position on the whole desktop, 0..32767 on each axis.
    QPoint normalised;
};

// Maps tablet coordinates onto the screen part of the mapping, in the normalised units of the
// virtual HID device and Wintab (0..32767 over the whole desktop).
namespace PenMapping {

constexpr std::int32_t kNormalisedMaximum = 32767;

// Quarter turns 1..3 clockwise; any other rotation leaves the point as it is.
inline PenPoint rotatePoint(const PenPoint &p, std::int32_t rotation)
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

// workArea is in percent of each axis of the rotated extent.
TabletWorkArea tabletWorkArea(const QRect &workArea, double width, double height);

std::int32_t clampNormalised(std::int64_t value);

// Truncated toward zero and kept within 0..32767 (a value that is not a number gives 0).
inline std::int32_t truncateNormalised(double value)
{
    if (!(value > 0.0))
        return 0;
    if (value >= kNormalisedMaximum)
        return kNormalisedMaximum;
    return static_cast<std::int32_t>(value); // truncates toward zero
}

MappingFrame frameFor(const MappingConfigure &mapping, const PenDeviceLimits &device);

// The normalised position of a rotated point, or nothing when an extent that it divides by is
// empty: the desktop size, the work area, the desktop rectangle or the screen part.
std::optional<QPoint> normalisedPosition(std::int64_t x, std::int64_t y, const MappingFrame &frame);

// The whole mapping of one packet. Nothing when the point lies outside the work area (unless
// `keepOutside`, the relative modes, or the pen is leaving) or an extent is empty.
std::optional<MappedPen> mapPen(const TabletPenPacket &packet, const MappingFrame &frame,
                                bool keepOutside);
std::optional<MappedPen> mapPen(const TabletPenPacket &packet, const MappingConfigure &mapping,
                                const PenDeviceLimits &device, bool keepOutside);

} // namespace PenMapping
