#pragma once

#include "config/configure/TabletConfigure.h"

#include <cstdint>

// Calibration of a pen display: kx, ky scale the position around the centre of the tablet,
// kcx, kcy move the centre. 1.0 changes nothing.
struct EdgeFactors
{
    double kx = 1.0;
    double ky = 1.0;
    double kcx = 1.0;
    double kcy = 1.0;

    static EdgeFactors fromMapping(const MappingConfigure &mapping);
};

// Pulls the pen position of a pen display towards where the user sees the tip. Near the edges
// whose centre factor points outwards the correction fades out, so the edge stays reachable.
namespace EdgeCorrection {

// A factor that is 0, negative or not a number cannot scale a position and counts as 1.0.
double usableFactor(double factor);

// The corrected coordinate on one axis of 0..extent, with the fading band below lowFraction
// and above highFraction of the extent. An extent of 0 or less leaves the value unchanged.
std::int64_t correctAxis(std::int64_t value, std::int64_t extent, double lowFraction,
                         double highFraction, double scale, double centre);

// Corrects x (bands at 5 and 95 percent) and y (10 and 90 percent) in place; width and height
// are the device's maximum x and y.
void correctPosition(std::uint32_t &x, std::uint32_t &y, std::uint32_t width,
                     std::uint32_t height, const EdgeFactors &factors);

} // namespace EdgeCorrection
