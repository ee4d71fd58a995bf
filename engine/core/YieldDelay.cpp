#include "engine/core/YieldDelay.h"

#include <chrono>
#include <thread>

void yieldDelay(int milliseconds)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (Clock::now() < end)
        std::this_thread::yield();
}
