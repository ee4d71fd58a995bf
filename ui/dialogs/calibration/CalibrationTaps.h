#pragma once

#include "ui/dialogs/calibration/CalibrationFactors.h"

#include <QPoint>

#include <cstdint>
#include <functional>

// Which pen states take the points of a calibration: a point is taken where the pointer is when
// the tip goes down, at most once in half a second, so that one tap that bounces is one point.
class CalibrationTaps
{
public:
    // The pen's state as the calibration sees it: in range, or with the tip pressed.
    enum PenState : std::uint32_t {
        Hovering = 0xA0,
        TipDown = 0xA1,
    };
    enum class Outcome {
        Nothing,
        PointTaken,
        // The fifth point was taken; points() holds all five until restart.
        AllPointsTaken,
    };

    // Pressure above this presses the tip.
    static constexpr int kTipPressure = 1500;
    static constexpr std::uint64_t kMinimumTapInterval = 500;

    static PenState stateOfPressure(int pressure);

    // One pen state at `now` (milliseconds of a steady clock); `pointer` gives the pointer's
    // position when a point is taken.
    Outcome step(PenState state, std::uint64_t now, const std::function<QPoint()> &pointer);
    // The next point taken is the first again.
    void restart() { taken = 0; }

    int count() const { return taken; }
    const CalibrationFactors::Points &points() const { return captured; }

private:
    bool tipWentDown(PenState state) const;

    CalibrationFactors::Points captured{};
    int taken = 0;
    std::uint32_t lastState = 0;
    std::uint64_t lastTapTime = 0;
};
