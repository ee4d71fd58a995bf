#pragma once

#ifndef _WIN32
#include <mutex>
#endif

// The mutex of the engine's hand-offs between threads: tablet reports to the worker, and the
// simulated HID bus to its readers. On Windows it is the system's slim reader/writer lock,
// which with SlimCondition wakes a waiting thread in the process itself; the threading
// library's mutex and condition variable go through Wine's server several times for each
// wake-up, and a loaded machine makes every one of those trips slow. Elsewhere it is the
// standard mutex. Not recursive.
class SlimMutex
{
public:
    SlimMutex() = default;
    SlimMutex(const SlimMutex &) = delete;
    SlimMutex &operator=(const SlimMutex &) = delete;

    void lock();
    void unlock();

private:
    friend class SlimCondition;

#ifdef _WIN32
    void *srwLock = nullptr; // an SRWLOCK; all zero is its initial state
#else
    std::mutex mutex;
#endif
};
