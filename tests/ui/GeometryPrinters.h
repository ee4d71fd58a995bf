#pragma once

// Readable rectangles, sizes and points in GoogleTest failure messages.
#include <QPoint>
#include <QRect>
#include <QSize>

#include <ostream>

inline void PrintTo(const QRect &rect, std::ostream *out)
{
    *out << "QRect(" << rect.x() << ", " << rect.y() << ", " << rect.width() << " x " << rect.height() << ')';
}

inline void PrintTo(const QSize &size, std::ostream *out)
{
    *out << "QSize(" << size.width() << " x " << size.height() << ')';
}

inline void PrintTo(const QPoint &point, std::ostream *out)
{
    *out << "QPoint(" << point.x() << ", " << point.y() << ')';
}
