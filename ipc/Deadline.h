#pragma once

#include <chrono>

// One point in time that several waits share: each wait gets what is left of it, so that all of
// them together take no longer than the bound the deadline was made with. An unload uses one for
// every wait it makes under the loader lock.
class Deadline
{
public:
    using Clock = std::chrono::steady_clock;

    static Deadline after(std::chrono::milliseconds bound, Clock::time_point now = Clock::now());

    // The time left, rounded up to whole milliseconds; none once the deadline has passed.
    std::chrono::milliseconds left(Clock::time_point now = Clock::now()) const;

private:
    explicit Deadline(Clock::time_point at) : at(at) {}

    Clock::time_point at;
};
