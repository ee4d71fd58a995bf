#include "ipc/Deadline.h"

#include <algorithm>

Deadline Deadline::after(std::chrono::milliseconds bound, Clock::time_point now)
{
    return Deadline(now + std::max(bound, std::chrono::milliseconds(0)));
}

std::chrono::milliseconds Deadline::left(Clock::time_point now) const
{
    if (now >= at)
        return std::chrono::milliseconds(0);
    // Rounded up: a wait that is given less than is left could end before the deadline.
    return std::chrono::ceil<std::chrono::milliseconds>(at - now);
}
