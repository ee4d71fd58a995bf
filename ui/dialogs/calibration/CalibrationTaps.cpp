#include "ui/dialogs/calibration/CalibrationTaps.h"

CalibrationTaps::PenState CalibrationTaps::stateOfPressure(int pressure)
{
    return pressure > kTipPressure ? TipDown : Hovering;
}

CalibrationTaps::Outcome CalibrationTaps::step(PenState state, std::uint64_t now,
                                               const std::function<QPoint()> &pointer)
{
    Outcome outcome = Outcome::Nothing;
    if (tipWentDown(state)) {
        // Too soon after the last point: the last state stays, so a tip held down is tried again
        // with each packet until the interval has passed.
        if (now < lastTapTime || now - lastTapTime < kMinimumTapInterval)
            return Outcome::Nothing;
        lastTapTime = now;
        captured[std::size_t(taken)] = pointer();
        ++taken;
        outcome = Outcome::PointTaken;
        if (taken == CalibrationFactors::kPointCount) {
            outcome = Outcome::AllPointsTaken;
            taken = 0;
        }
    }
    lastState = state;
    return outcome;
}

bool CalibrationTaps::tipWentDown(PenState state) const
{
    return lastState == Hovering && state == TipDown;
}
