#pragma once

// Polls a condition that another thread or process makes true, every 10 ms, for at most
// `patience` (generous: a loaded machine under Wine can be slow; a passing test waits only as
// long as it must). True when the condition held.
#include <chrono>
#include <functional>
#include <thread>

inline bool waitUntil(const std::function<bool()> &condition,
                      std::chrono::milliseconds patience = std::chrono::seconds(30))
{
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}
