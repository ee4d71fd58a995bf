#include "engine/pen/TiltOrientation.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Row {
    std::int32_t tiltX;
    std::int32_t tiltY;
    std::uint32_t azimuth;
    std::uint32_t altitude;
};

TEST(TiltOrientation, AzimuthAndAltitudeInTenthsOfADegreeBySignsOfTheTilt)
{
    // Altitude asin(1 / sqrt(tan²x + tan²y + 1)); the azimuth quadrant by the signs of x and y.
    // tan 30° = 1/√3, so (30, 30) gives asin(√(3/5)) = 50.77°, and a = 45° exactly up to the
    // slightly short π, which makes 90 − a fall just below 45 and 270 − a just below 225.
    const std::vector<Row> rows = {
        {0, 0, 0, 900},
        {30, 0, 900, 600},
        {-30, 0, 2700, 600},
        {0, 20, 1800, 700},
        {0, -20, 0, 700},
        {45, 0, 900, 450},
        {30, 30, 1350, 507},
        {30, -30, 449, 507},
        {-30, 30, 2249, 507},
        {-30, -30, 3150, 507},
        {60, 20, 1018, 294},
        {-10, 50, 1884, 396},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "tilt " << row.tiltX << ", " << row.tiltY);
        const TiltOrientation::Orientation orientation = TiltOrientation::fromTilt(row.tiltX, row.tiltY);
        EXPECT_EQ(orientation.azimuth, row.azimuth);
        EXPECT_EQ(orientation.altitude, row.altitude);
    }
}

TEST(TiltOrientation, ExtremeTiltsStayInsideTheWintabRanges)
{
    for (std::int32_t tiltX : {-128, -90, 90, 127, INT32_MIN, INT32_MAX}) {
        for (std::int32_t tiltY : {-128, -90, 0, 90, 127}) {
            const TiltOrientation::Orientation orientation = TiltOrientation::fromTilt(tiltX, tiltY);
            EXPECT_LT(orientation.azimuth, 3600u) << tiltX << ", " << tiltY;
            EXPECT_LE(orientation.altitude, 900u) << tiltX << ", " << tiltY;
        }
    }
}

} // namespace
