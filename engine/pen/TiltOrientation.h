#pragma once
// Pen tilt in degrees along x and y turned into Wintab azimuth and altitude.
#include <cstdint>

namespace TiltOrientation {

struct Orientation {
    std::uint32_t azimuth = 0;  // tenths of a degree, 0..3599
    std::uint32_t altitude = 0; // tenths of a degree, 0..900
};

Orientation fromTilt(std::int32_t tiltX, std::int32_t tiltY);

} // namespace TiltOrientation
