#include "ui/widgets/DisplayMappingGeometry.h"

#include <algorithm>

namespace DisplayMappingGeometry {

namespace {

constexpr int kHandleReach = 3;

enum Side { Left = 1, Top = 2, Right = 4, Bottom = 8 };

constexpr int kHandleSides[kHandleCount] = {
    Left, Left | Top, Right, Right | Top, Top, Bottom, Left | Bottom, Right | Bottom,
};

constexpr Qt::CursorShape kHandleCursors[kHandleCount] = {
    Qt::SizeHorCursor, Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::SizeBDiagCursor,
    Qt::SizeVerCursor, Qt::SizeVerCursor,   Qt::SizeBDiagCursor, Qt::SizeFDiagCursor,
};

bool isEmpty(const QSize &size)
{
    return size.width() <= 0 || size.height() <= 0;
}

int rounded(double value)
{
    return int(value + 0.5);
}

} // namespace

std::optional<QRect> drawnDesktop(const QSize &panel, const QRect &desktop)
{
    if (isEmpty(panel) || isEmpty(desktop.size()))
        return std::nullopt;
    const double ratio = double(desktop.width()) / desktop.height();
    if (double(panel.width()) / panel.height() > ratio) {
        const int width = int(panel.height() * ratio);
        return QRect((panel.width() - width) / 2, 0, width, panel.height());
    }
    const int height = rounded(panel.width() / ratio);
    return QRect(0, (panel.height() - height) / 2, panel.width(), height);
}

std::optional<QRect> thumbnail(const QRect &monitor, const QRect &desktop, const QRect &drawn)
{
    if (isEmpty(desktop.size()))
        return std::nullopt;
    const double scaleX = double(drawn.width()) / desktop.width();
    const double scaleY = double(drawn.height()) / desktop.height();
    return QRect(drawn.left() + int((monitor.left() - desktop.left()) * scaleX),
                 drawn.top() + int((monitor.top() - desktop.top()) * scaleY),
                 int(monitor.width() * scaleX), int(monitor.height() * scaleY));
}

std::optional<QRect> drawnArea(const QRect &area, const QSize &target, const QRect &bound)
{
    if (isEmpty(target) || isEmpty(bound.size()))
        return std::nullopt;
    const double scaleX = double(bound.width()) / target.width();
    const double scaleY = double(bound.height()) / target.height();
    return QRect(int(area.left() * scaleX + bound.left()), int(area.top() * scaleY + bound.top()),
                 int(area.width() * scaleX), int(area.height() * scaleY));
}

std::optional<QRect> targetArea(const QRect &drawn, const QRect &bound, const QSize &target)
{
    if (isEmpty(target) || isEmpty(bound.size()))
        return std::nullopt;
    const double scaleX = double(target.width()) / bound.width();
    const double scaleY = double(target.height()) / bound.height();
    return QRect(rounded((drawn.left() - bound.left()) * scaleX),
                 rounded((drawn.top() - bound.top()) * scaleY), rounded(drawn.width() * scaleX),
                 rounded(drawn.height() * scaleY));
}

std::vector<QRect> handleSquares(const QRect &area)
{
    const int x1 = area.left();
    const int y1 = area.top();
    const int x2 = area.right();
    const int y2 = area.bottom();
    const QPoint centre = area.center();
    const QPoint places[kHandleCount] = {
        {x1, centre.y()}, {x1, y1}, {x2, centre.y()}, {x2, y1},
        {centre.x(), y1}, {centre.x(), y2}, {x1, y2}, {x2, y2},
    };
    const QPoint reach(kHandleReach, kHandleReach);
    std::vector<QRect> squares;
    for (const QPoint &place : places)
        squares.emplace_back(place - reach, place + reach - QPoint(1, 1));
    return squares;
}

Qt::CursorShape handleCursor(int handle)
{
    return handle >= 0 && handle < kHandleCount ? kHandleCursors[handle] : Qt::ArrowCursor;
}

QRect resized(const QRect &area, int handle, const QPoint &delta)
{
    if (handle < 0 || handle >= kHandleCount)
        return area;
    const int sides = kHandleSides[handle];
    int left = area.left();
    int top = area.top();
    int right = area.right();
    int bottom = area.bottom();
    if (sides & Left)
        left = std::min(area.left() + delta.x(), area.right() - kMinimumSide);
    if (sides & Right)
        right = std::max(area.right() + delta.x(), area.left() + kMinimumSide);
    if (sides & Top)
        top = std::min(area.top() + delta.y(), area.bottom() - kMinimumSide);
    if (sides & Bottom)
        bottom = std::max(area.bottom() + delta.y(), area.top() + kMinimumSide);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace DisplayMappingGeometry
