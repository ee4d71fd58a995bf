#include "engine/pen/PressureTable.h"

#include <algorithm>
#include <cmath>

namespace {

// Height of the curve at t in 0..1, kept inside 0..1 (a value that is not a number counts
// as 0).
double curveHeight(double t, double a, double b)
{
    const double u = 1.0 - t;
    const double y = 2.0 * a * u * t + u * u + (1.0 - b) * t * t;
    if (!(y > 0.0))
        return 0.0;
    return std::min(y, 1.0);
}

std::uint16_t tableEntry(double height)
{
    const double scaled = std::trunc((1.0 - height) * kPressureTableMaximum);
    if (scaled > kPressureTableMaximum)
        return kPressureTableMaximum;
    // An output of 0 would read as a lifted pen.
    if (scaled < 1.0)
        return 1;
    return static_cast<std::uint16_t>(scaled);
}

} // namespace

void pressureCurveTable(const QPointF &a, const QPointF &b, PressureTable &table)
{
    table.assign(kPressureTableSize, 0);
    for (std::size_t i = 0; i < kPressureTableSize; ++i) {
        const double t = static_cast<double>(i) / kPressureTableMaximum;
        table[i] = tableEntry(curveHeight(t, a.y(), b.y()));
    }
}

PressureTable basePressureTable()
{
    PressureTable table;
    pressureCurveTable(QPointF(0.3, 0.7), QPointF(0.0, 1.0), table);
    return table;
}

std::uint32_t lookupPressure(const PressureTable &table, std::uint32_t value,
                             std::uint32_t maximum)
{
    if (value >= table.size())
        return value;
    return std::min<std::uint32_t>(table[value], maximum);
}
