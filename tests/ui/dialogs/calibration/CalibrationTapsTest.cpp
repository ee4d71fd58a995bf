#include "ui/dialogs/calibration/CalibrationTaps.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr CalibrationTaps::PenState kHover = CalibrationTaps::Hovering;
constexpr CalibrationTaps::PenState kTip = CalibrationTaps::TipDown;

struct Packet
{
    CalibrationTaps::PenState state;
    std::uint64_t time;
};

// The x of each point taken: the time it was taken at.
std::vector<int> takenTimes(const std::vector<Packet> &packets)
{
    CalibrationTaps taps;
    std::vector<int> times;
    for (const Packet &packet : packets) {
        const auto outcome = taps.step(packet.state, packet.time, [&packet] { return QPoint(int(packet.time), 0); });
        if (outcome != CalibrationTaps::Outcome::Nothing)
            times.push_back(taps.points()[std::size_t(times.size())].x());
    }
    return times;
}

} // namespace

TEST(CalibrationTaps, APointIsTakenWhenTheTipGoesDownAtMostTwiceASecond)
{
    const struct {
        const char *what;
        std::vector<Packet> packets;
        std::vector<int> taken;
    } rows[] = {
        {"hover, then the tip down", {{kHover, 10000}, {kTip, 10010}, {kTip, 10020}}, {10010}},
        {"the tip down in the first packet", {{kTip, 10000}, {kTip, 11000}}, {}},
        {"hovering only", {{kHover, 10000}, {kHover, 11000}, {kHover, 12000}}, {}},
        {"a second tap 300 ms later, the tip held until 500 ms",
         {{kHover, 10000}, {kTip, 10000}, {kHover, 10100}, {kTip, 10300}, {kTip, 10499}, {kTip, 10500},
          {kTip, 10600}},
         {10000, 10500}},
        {"tip-down after tip-down", {{kHover, 10000}, {kTip, 10000}, {kTip, 11000}, {kTip, 12000}}, {10000}},
        {"a clock that went back", {{kHover, 20000}, {kTip, 20000}, {kHover, 20100}, {kTip, 19000}}, {20000}},
        {"half a second after the clock's start", {{kHover, 0}, {kTip, 499}, {kHover, 499}, {kTip, 500}}, {500}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(takenTimes(row.packets), row.taken) << row.what;
}

TEST(CalibrationTaps, TheFifthPointEndsTheRoundAndTheNextStartsAtTheFirst)
{
    CalibrationTaps taps;
    std::vector<CalibrationTaps::Outcome> outcomes;
    for (int tap = 0; tap < 6; ++tap) {
        const std::uint64_t time = 10000 + std::uint64_t(tap) * 1000;
        taps.step(kHover, time, [] { return QPoint(); });
        outcomes.push_back(taps.step(kTip, time, [tap] { return QPoint(tap, tap); }));
    }
    using Outcome = CalibrationTaps::Outcome;
    EXPECT_EQ(outcomes, (std::vector<Outcome>{Outcome::PointTaken, Outcome::PointTaken, Outcome::PointTaken,
                                              Outcome::PointTaken, Outcome::AllPointsTaken, Outcome::PointTaken}));
    EXPECT_EQ(taps.count(), 1);
    EXPECT_EQ(taps.points()[0], QPoint(5, 5));
    EXPECT_EQ(taps.points()[4], QPoint(4, 4));
}

TEST(CalibrationTaps, PressureAbove1500PressesTheTip)
{
    EXPECT_EQ(CalibrationTaps::stateOfPressure(0), CalibrationTaps::Hovering);
    EXPECT_EQ(CalibrationTaps::stateOfPressure(1500), CalibrationTaps::Hovering);
    EXPECT_EQ(CalibrationTaps::stateOfPressure(1501), CalibrationTaps::TipDown);
}
