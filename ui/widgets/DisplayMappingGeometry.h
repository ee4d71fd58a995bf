#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

// The arithmetic of the display mapping widgets: where the desktop and its monitors are drawn,
// and how an area drawn over a thumbnail or the tablet picture converts to pixels or percent.
// An empty desktop, bound or target gives no result rather than a division by zero.
namespace DisplayMappingGeometry {

// An area is never resized below this many pixels either way.
constexpr int kMinimumSide = 16;

// The desktop drawn as large as the panel allows: letterboxed top and bottom when it is wider
// than the panel, centred horizontally when it is narrower.
std::optional<QRect> drawnDesktop(const QSize &panel, const QRect &desktop);

// A monitor's thumbnail inside the drawn desktop.
std::optional<QRect> thumbnail(const QRect &monitor, const QRect &desktop, const QRect &drawn);

// An area given in the units of `target` (relative to its top-left corner) as drawn over `bound`,
// truncated; its width and height may come out 0.
std::optional<QRect> drawnArea(const QRect &area, const QSize &target, const QRect &bound);

// An area drawn over `bound` in the units of `target`, relative to its top-left corner, rounded.
std::optional<QRect> targetArea(const QRect &drawn, const QRect &bound, const QSize &target);

// The eight 6 x 6 squares that resize an area: left, top-left, right, top-right, top, bottom,
// bottom-left, bottom-right.
constexpr int kHandleCount = 8;
std::vector<QRect> handleSquares(const QRect &area);
Qt::CursorShape handleCursor(int handle);

// The area with the sides that `handle` owns moved by `delta`, stopping kMinimumSide pixels
// before the opposite side.
QRect resized(const QRect &area, int handle, const QPoint &delta);

} // namespace DisplayMappingGeometry
