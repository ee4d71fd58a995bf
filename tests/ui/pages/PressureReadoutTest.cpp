#include "ui/pages/PressureReadout.h"

#include <gtest/gtest.h>

TEST(PressureReadout, ShowsTheDevicesValueAndPercentWithoutDividingByAZeroMaximum)
{
    const struct
    {
        std::uint16_t pressure;
        std::uint16_t maximum;
        std::uint16_t value;
        int percent;
    } cases[] = {
        {8191, 16383, 16383, 100},
        {8190, 16383, 16380, 99},
        {4097, 16383, 8195, 50},
        {1, 16383, 3, 0},
        {4095, 8191, 4095, 49},
        {8191, 8191, 8191, 100},
        {500, 0, 500, 0},
        {0, 16383, 0, 0},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.pressure << " of " << entry.maximum);
        PressureReadout readout;
        PressureReadout::Display display;
        readout.take(1, entry.maximum, 0, display);
        ASSERT_TRUE(readout.take(entry.pressure, entry.maximum, 100, display));
        EXPECT_EQ(display.value, entry.value);
        EXPECT_EQ(display.percent, entry.percent);
    }
}

TEST(PressureReadout, ShowsEvery25MillisecondsALiftAtOnceAndRepeatedZerosNotAtAll)
{
    const struct
    {
        std::int64_t at;
        std::uint16_t pressure;
        bool shown;
    } steps[] = {
        {1000, 300, false}, // the first packet starts the clock
        {1010, 400, false},
        {1025, 500, true},
        {1030, 0, true}, // lifted: at once
        {1060, 0, false},
        {1100, 0, false},
        {1105, 600, false}, // the zeros above kept the clock going
        {1125, 700, true},
    };
    PressureReadout readout;
    for (const auto &step : steps) {
        SCOPED_TRACE(step.at);
        PressureReadout::Display display{-1, 1};
        EXPECT_EQ(readout.take(step.pressure, 8191, step.at, display), step.shown);
        if (step.shown) {
            EXPECT_EQ(display.value, step.pressure);
        }
    }
}
