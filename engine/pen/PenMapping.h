#pragma once

#include "config/TabletConfigure.h"
#include "config/TabletPacket.h"
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
PenPoint rotatePoint(const PenPoint &point, std::int32_t rotation);

// workArea is in percent of each axis of the rotated extent.
TabletWorkArea tabletWorkArea(const QRect &workArea, double width, double height);

std::int32_t clampNormalised(std::int64_t value);

// Truncated toward zero and kept within 0..32767 (a value that is not a number gives 0).
std::int32_t truncateNormalised(double value);

// The normalised position of a rotated point, or nothing when an extent that it divides by is
// empty: the desktop size, the work area, the desktop rectangle or the screen part.
std::optional<QPoint> normalisedPosition(std::int64_t x, std::int64_t y,
                                         const TabletWorkArea &area,
                                         const MappingConfigure &mapping);

// The whole mapping of one packet. Nothing when the point lies outside the work area (unless
// `keepOutside`, the relative modes, or the pen is leaving) or an extent is empty.
std::optional<MappedPen> mapPen(const TabletPenPacket &packet, const MappingConfigure &mapping,
                                const PenDeviceLimits &device, bool keepOutside);

} // namespace PenMapping
