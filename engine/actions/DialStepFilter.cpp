#include "engine/actions/DialStepFilter.h"

bool DialStepFilter::accept(std::uint32_t direction, std::uint64_t now)
{
    if (any && direction == lastDirection && now - lastTime < kSameStepMilliseconds)
        return false;
    any = true;
    lastDirection = direction;
    lastTime = now;
    return true;
}
