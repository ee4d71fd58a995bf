#pragma once

#include "engine/core/SlimMutex.h"

#include <chrono>
#include <mutex>

#ifndef _WIN32
#include <condition_variable>
#endif

// The condition variable that goes with SlimMutex: the system's on Windows, the standard one
// elsewhere.
class SlimCondition
{
public:
    using Clock = std::chrono::steady_clock;

    SlimCondition() = default;
    SlimCondition(const SlimCondition &) = delete;
    SlimCondition &operator=(const SlimCondition &) = delete;

    void notifyAll();

    // With `lock` holding its mutex: waits until `ready` holds or `deadline` has passed, and
    // returns ready().
    template<typename Ready>
    bool waitUntil(std::unique_lock<SlimMutex> &lock, Clock::time_point deadline, Ready ready)
    {
        while (!ready()) {
            const Clock::time_point now = Clock::now();
            if (now >= deadline)
                return false;
            waitOnce(*lock.mutex(), deadline - now);
        }
        return true;
    }

    template<typename Ready>
    bool waitFor(std::unique_lock<SlimMutex> &lock, Clock::duration timeout, Ready ready)
    {
        return waitUntil(lock, Clock::now() + timeout, ready);
    }

    template<typename Ready>
    void wait(std::unique_lock<SlimMutex> &lock, Ready ready)
    {
        while (!ready())
            waitOnce(*lock.mutex(), std::chrono::hours(1));
    }

private:
    // One wait of at most `timeout`, which may also end early.
    void waitOnce(SlimMutex &mutex, Clock::duration timeout);

#ifdef _WIN32
    void *conditionVariable = nullptr; // a CONDITION_VARIABLE; all zero is its initial state
#else
    std::condition_variable condition;
#endif
};
