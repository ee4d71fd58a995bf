#include "engine/pen/EdgeCorrection.h"

#include <cmath>

namespace {

constexpr double kLowX = 0.05;
constexpr double kHighX = 0.95;
constexpr double kLowY = 0.1;
constexpr double kHighY = 0.9;

std::int64_t truncatedWithin(double value, std::int64_t low, std::int64_t high)
{
    if (!(value > static_cast<double>(low)))
        return low;
    if (value >= static_cast<double>(high))
        return high;
    return static_cast<std::int64_t>(std::trunc(value));
}

// Moves a factor towards 1.0: weight 1 keeps it, weight 0 makes it 1.0.
double fadedFactor(double factor, double weight)
{
    return 1.0 + (factor - 1.0) * weight;
}

} // namespace

EdgeFactors EdgeFactors::fromMapping(const MappingConfigure &mapping)
{
    return {mapping.kx, mapping.ky, mapping.kcx, mapping.kcy};
}

double EdgeCorrection::usableFactor(double factor)
{
    return std::isfinite(factor) && factor > 0.0 ? factor : 1.0;
}

std::int64_t EdgeCorrection::correctAxis(std::int64_t value, std::int64_t extent,
                                         double lowFraction, double highFraction, double scale,
                                         double centre)
{
    if (extent <= 0)
        return value;
    scale = usableFactor(scale);
    centre = usableFactor(centre);

    // Bands near the edges, in device units.
    const auto low = static_cast<std::int64_t>(std::trunc(lowFraction * extent));
    const auto high = static_cast<std::int64_t>(std::trunc(highFraction * extent));

    // Fade the correction out towards an edge that the centre factor points to. A position
    // reported beyond the extent fades it past 1.0 the other way, and the result is clamped.
    if (value > high && centre > 1.0) {
        const double weight = static_cast<double>(extent - value) / (extent - high);
        scale = fadedFactor(scale, weight);
        centre = fadedFactor(centre, weight);
        // So far beyond that a factor reaches 0: the corrected position would go to infinity
        // on the far side of the edge, which the clamp holds at the edge.
        if (!(scale > 0.0) || !(centre > 0.0))
            return extent;
    } else if (value < low && centre < 1.0) {
        const double weight = static_cast<double>(value) / low;
        scale = fadedFactor(scale, weight);
        centre = fadedFactor(centre, weight);
    }

    // Scale around the middle of the tablet, then move the middle.
    const double corrected = (value - 0.5 * extent) / scale
            + static_cast<double>(extent / 2) / centre;
    return truncatedWithin(corrected, 0, extent);
}

void EdgeCorrection::correctPosition(std::uint32_t &x, std::uint32_t &y, std::uint32_t width,
                                     std::uint32_t height, const EdgeFactors &factors)
{
    x = static_cast<std::uint32_t>(
            correctAxis(x, width, kLowX, kHighX, factors.kx, factors.kcx));
    y = static_cast<std::uint32_t>(
            correctAxis(y, height, kLowY, kHighY, factors.ky, factors.kcy));
}
