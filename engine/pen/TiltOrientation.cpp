#include "engine/pen/TiltOrientation.h"

#include <cmath>

namespace TiltOrientation {

namespace {

constexpr double kPi = 3.1415926535;

} // namespace

Orientation fromTilt(std::int32_t tiltX, std::int32_t tiltY)
{
    const double tx = std::tan(std::fabs(double(tiltX)) * kPi / 180.0);
    const double ty = std::tan(std::fabs(double(tiltY)) * kPi / 180.0);
    const double altitude = std::asin(1.0 / std::sqrt(ty * ty + tx * tx + 1.0)) * 180.0 / kPi;
    // a is needed only when tilt x is not 0, so tx is never 0 here.
    auto a = [&] { return std::atan(ty / tx) * 180.0 / kPi; };
    double azimuth = 0.0;
    if (tiltX > 0) {
        azimuth = tiltY < 0 ? 90.0 - a() : tiltY > 0 ? 90.0 + a() : 90.0;
    } else if (tiltX < 0) {
        azimuth = tiltY > 0 ? 270.0 - a() : tiltY < 0 ? 270.0 + a() : 270.0;
    } else {
        azimuth = tiltY > 0 ? 180.0 : 0.0;
    }
    Orientation orientation;
    orientation.azimuth = std::uint32_t(std::int32_t(std::trunc(azimuth * 10.0)));
    orientation.altitude = std::uint32_t(std::int32_t(std::trunc(altitude * 10.0)));
    return orientation;
}

} // namespace TiltOrientation
