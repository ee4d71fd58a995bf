#pragma once

#include <cstdint>

// The dial's sensitivity option: a step in the same direction as the last accepted one less
// than 100 ms after it is taken for the same notch and ignored.
class DialStepFilter
{
public:
    static constexpr std::uint64_t kSameStepMilliseconds = 100;

    // Whether a step of `direction` (1 or 2) at `now` (steady milliseconds) runs; an accepted
    // step is remembered.
    bool accept(std::uint32_t direction, std::uint64_t now);

private:
    bool any = false;
    std::uint32_t lastDirection = 0;
    std::uint64_t lastTime = 0;
};
