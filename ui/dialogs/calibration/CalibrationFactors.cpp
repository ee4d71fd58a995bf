#include "ui/dialogs/calibration/CalibrationFactors.h"

#include <limits>

namespace {

constexpr double kNear = 0.1;
constexpr double kFar = 0.9;
constexpr double kMiddle = 0.5;

int fraction(int length, double part)
{
    return int(length * part);
}

// NaN where the marks fall together, so that a division by nothing never passes for a factor.
double ratio(double numerator, int denominator)
{
    return denominator == 0 ? std::numeric_limits<double>::quiet_NaN() : numerator / denominator;
}

} // namespace

CalibrationFactors::Points CalibrationFactors::targets(const QSize &overlay)
{
    const int nearX = fraction(overlay.width(), kNear);
    const int farX = fraction(overlay.width(), kFar);
    const int nearY = fraction(overlay.height(), kNear);
    const int farY = fraction(overlay.height(), kFar);
    return {QPoint(nearX, nearY), QPoint(nearX, farY), QPoint(farX, nearY), QPoint(farX, farY),
            QPoint(fraction(overlay.width(), kMiddle), fraction(overlay.height(), kMiddle))};
}

CalibrationFactors CalibrationFactors::fromPoints(const Points &points, const QSize &overlay, int rotation)
{
    const Points marks = targets(overlay);
    const QPoint &topLeft = points[0];
    const QPoint &bottomLeft = points[1];
    const QPoint &topRight = points[2];
    const QPoint &bottomRight = points[3];
    const QPoint &centre = points[4];
    const double sx = ratio(((bottomRight.x() - bottomLeft.x()) + (topRight.x() - topLeft.x())) * 0.5,
                            marks[2].x() - marks[0].x());
    const double sy = ratio(((bottomRight.y() - topRight.y()) + (bottomLeft.y() - topLeft.y())) * 0.5,
                            marks[1].y() - marks[0].y());
    const double cx = ratio(centre.x(), marks[4].x());
    const double cy = ratio(centre.y(), marks[4].y());
    switch (rotation) {
    case 1:
        return {sy, 2 - sx, cy, 2 - cx};
    case 2:
        return {2 - sx, 2 - sy, 2 - cx, 2 - cy};
    case 3:
        return {2 - sy, sx, 2 - cy, cx};
    default:
        return {sx, sy, cx, cy};
    }
}

// NaN and the infinities fail the comparison.
bool CalibrationFactors::usable(double kx, double ky, double kcx, double kcy)
{
    const double lowest = MappingConfigure::kDefaultScale - kLargestCorrection;
    const double highest = MappingConfigure::kDefaultScale + kLargestCorrection;
    for (const double factor : {kx, ky, kcx, kcy}) {
        if (!(factor >= lowest && factor <= highest))
            return false;
    }
    return true;
}

bool CalibrationFactors::storeInto(MappingConfigure &mapping) const
{
    const bool stored = usable();
    mapping.kx = stored ? kx : MappingConfigure::kDefaultScale;
    mapping.ky = stored ? ky : MappingConfigure::kDefaultScale;
    mapping.kcx = stored ? kcx : MappingConfigure::kDefaultScale;
    mapping.kcy = stored ? kcy : MappingConfigure::kDefaultScale;
    return stored;
}
