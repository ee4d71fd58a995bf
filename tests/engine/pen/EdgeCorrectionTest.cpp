#include "engine/pen/EdgeCorrection.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A pen display of 10000 x 6000: the x bands end at 500 and start at 9500, the y bands end at
// 600 and start at 5400.
constexpr std::uint32_t kWidth = 10000;
constexpr std::uint32_t kHeight = 6000;

struct AxisCase
{
    const char *name;
    std::int64_t value;
    double scale;
    double centre;
    std::int64_t expected;
};

const AxisCase kXCases[] = {
    {"factors of 1 keep the position", 6000, 1.0, 1.0, 6000},
    {"the scale stretches around the middle", 6000, 0.5, 1.0, 7000},
    {"the centre factor moves the middle", 5000, 1.0, 0.8, 6250},
    {"an outward centre factor fades out towards the right edge", 9750, 1.25, 1.25, 8666},
    {"at the right edge the faded correction is gone", 10000, 1.25, 1.25, 10000},
    {"an inward centre factor fades out towards the left edge", 250, 0.8, 0.8, 277},
    {"the right band does not fade an inward centre factor", 9600, 1.2, 0.9, 9388},
    {"the left band does not fade an outward centre factor", 400, 1.2, 1.1, 712},
    {"a result beyond the right edge is held at the edge", 9000, 1.0, 0.5, 10000},
    {"a result left of 0 is held at 0", 100, 0.5, 1.2, 0},
    {"so far beyond the edge that the faded factors pass 0, the position stays at the edge",
     20000, 1.2, 1.2, 10000},
    {"just short of where the faded factors reach 0, the position is clamped to the edge",
     10501, 1.1, 1.1, 10000},
    {"a scale of 0 counts as 1", 6000, 0.0, 1.0, 6000},
    {"a negative scale counts as 1", 6000, -1.0, 1.0, 6000},
    {"a scale that is not a number counts as 1", 6000, kNaN, 1.0, 6000},
    {"an infinite scale counts as 1", 6000, kInfinity, 1.0, 6000},
    {"a centre factor of 0 counts as 1", 250, 1.0, 0.0, 250},
    {"a negative centre factor counts as 1", 5000, 1.0, -2.0, 5000},
    {"a centre factor that is not a number counts as 1", 5000, 1.0, kNaN, 5000},
    {"an infinite centre factor counts as 1", 5000, 1.0, kInfinity, 5000},
};

TEST(EdgeCorrection, XAxisScalesMovesAndFadesWithinTheFivePercentBands)
{
    for (const AxisCase &c : kXCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EdgeCorrection::correctAxis(c.value, kWidth, 0.05, 0.95, c.scale, c.centre),
                  c.expected);
    }
}

const AxisCase kYCases[] = {
    {"an outward centre factor fades out towards the bottom edge", 5700, 1.1, 1.2, 5298},
    {"an inward centre factor fades out towards the top edge", 300, 0.8, 0.9, 157},
    {"a position far below the edge with outward factors stays at the edge", 9000, 1.2, 1.2,
     6000},
    {"inside the bands the factors apply in full", 4000, 1.0, 1.2, 3500},
};

TEST(EdgeCorrection, YAxisFadesWithinTheTenPercentBands)
{
    for (const AxisCase &c : kYCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EdgeCorrection::correctAxis(c.value, kHeight, 0.1, 0.9, c.scale, c.centre),
                  c.expected);
    }
}

struct EdgeCase
{
    const char *name;
    std::int64_t value;
    std::int64_t extent;
    double scale;
    double centre;
    std::int64_t expected;
};

// At and beyond the edges, odd and even extents: the formula runs on the reported position and
// only its result is clamped. On an odd extent the integer half is half a unit short of the
// middle, so a position one past the far edge still reaches the edge where the edge itself
// does not.
const EdgeCase kXEdgeCases[] = {
    {"odd width, left edge", 0, 27281, 1.0, 1.0, 0},
    {"odd width, one right of the left edge", 1, 27281, 1.0, 1.0, 0},
    {"odd width, left of the left edge", -5, 27281, 0.98, 0.97, 0},
    {"odd width, right edge", 27281, 27281, 1.0, 1.0, 27280},
    {"odd width, one beyond the right edge", 27282, 27281, 1.0, 1.0, 27281},
    {"odd width, nine beyond the right edge", 27290, 27281, 1.0, 1.0, 27281},
    {"odd width, beyond the right edge with outward factors", 27282, 27281, 1.02, 1.03, 27281},
    {"odd width, right edge with outward factors", 27281, 27281, 1.02, 1.03, 27280},
    {"odd width, beyond the right edge with inward factors", 27290, 27281, 0.98, 0.97, 27281},
    {"even width, left edge", 0, 27280, 0.98, 0.97, 0},
    {"even width, right edge", 27280, 27280, 1.0, 1.0, 27280},
    {"even width, beyond the right edge", 27290, 27280, 1.0, 1.0, 27280},
    {"even width, beyond the right edge with outward factors", 27281, 27280, 1.02, 1.03, 27280},
};

const EdgeCase kYEdgeCases[] = {
    {"odd height, top edge", 0, 15359, 1.05, 1.1, 0},
    {"odd height, above the top edge", -3, 15359, 0.95, 0.9, 0},
    {"odd height, bottom edge", 15359, 15359, 1.0, 1.0, 15358},
    {"odd height, one below the bottom edge", 15360, 15359, 1.0, 1.0, 15359},
    {"odd height, below the bottom edge with outward factors", 15399, 15359, 1.05, 1.1, 15359},
    {"odd height, below the bottom edge with inward factors", 15399, 15359, 0.95, 0.9, 15359},
    {"even height, bottom edge", 15360, 15360, 1.0, 1.0, 15360},
    {"even height, below the bottom edge with outward factors", 15400, 15360, 1.05, 1.1, 15360},
};

TEST(EdgeCorrection, PositionsAtAndBeyondTheEdgesAreClampedAfterTheCorrection)
{
    for (const EdgeCase &c : kXEdgeCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EdgeCorrection::correctAxis(c.value, c.extent, 0.05, 0.95, c.scale, c.centre),
                  c.expected);
    }
    for (const EdgeCase &c : kYEdgeCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EdgeCorrection::correctAxis(c.value, c.extent, 0.1, 0.9, c.scale, c.centre),
                  c.expected);
    }
}

TEST(EdgeCorrection, AnOddExtentCentresOnItsIntegerHalf)
{
    // (3000 - 3000.5) / 1 + 3000 / 1 = 2999.5, truncated.
    EXPECT_EQ(EdgeCorrection::correctAxis(3000, 6001, 0.1, 0.9, 1.0, 1.0), 2999);
}

TEST(EdgeCorrection, AnEmptyExtentLeavesThePositionUnchanged)
{
    EXPECT_EQ(EdgeCorrection::correctAxis(5, 0, 0.05, 0.95, 1.2, 1.2), 5);
    EXPECT_EQ(EdgeCorrection::correctAxis(5, -10, 0.05, 0.95, 0.5, 0.5), 5);
}

TEST(EdgeCorrection, CorrectPositionUsesTheXFactorsForXAndTheYFactorsForY)
{
    std::uint32_t x = 6000;
    std::uint32_t y = 5700;
    const EdgeFactors factors{0.5, 1.1, 1.0, 1.2};
    EdgeCorrection::correctPosition(x, y, kWidth, kHeight, factors);
    EXPECT_EQ(x, 7000u);
    EXPECT_EQ(y, 5298u);
}

TEST(EdgeCorrection, UnusableFactorsCountAsOne)
{
    const double unusable[] = {0.0, -0.5, kNaN, kInfinity, -kInfinity};
    for (double factor : unusable) {
        SCOPED_TRACE(factor);
        EXPECT_EQ(EdgeCorrection::usableFactor(factor), 1.0);
    }
    EXPECT_EQ(EdgeCorrection::usableFactor(0.8), 0.8);
    EXPECT_EQ(EdgeCorrection::usableFactor(1.2), 1.2);
}

TEST(EdgeCorrection, AllFourUnusableFactorsLeaveThePositionUnchanged)
{
    std::uint32_t x = 6000;
    std::uint32_t y = 4000;
    EdgeCorrection::correctPosition(x, y, kWidth, kHeight, EdgeFactors{0.0, -1.0, kNaN, kInfinity});
    EXPECT_EQ(x, 6000u);
    EXPECT_EQ(y, 4000u);
}

TEST(EdgeCorrection, FactorsComeFromTheMapping)
{
    MappingConfigure mapping;
    mapping.kx = 0.9;
    mapping.ky = 1.1;
    mapping.kcx = 0.8;
    mapping.kcy = 1.2;
    const EdgeFactors factors = EdgeFactors::fromMapping(mapping);
    EXPECT_EQ(factors.kx, 0.9);
    EXPECT_EQ(factors.ky, 1.1);
    EXPECT_EQ(factors.kcx, 0.8);
    EXPECT_EQ(factors.kcy, 1.2);
}

} // namespace
