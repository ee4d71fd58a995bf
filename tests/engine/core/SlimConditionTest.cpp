#include "engine/core/SlimCondition.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

} // namespace

TEST(SlimCondition, AWaitEndsWhenAnotherThreadMakesItReady)
{
    SlimMutex mutex;
    SlimCondition condition;
    bool ready = false;
    std::thread notifier([&] {
        std::this_thread::sleep_for(20ms);
        {
            std::lock_guard<SlimMutex> lock(mutex);
            ready = true;
        }
        condition.notifyAll();
    });
    std::unique_lock<SlimMutex> lock(mutex);
    const Clock::time_point start = Clock::now();
    EXPECT_TRUE(condition.waitFor(lock, 20s, [&] { return ready; }));
    EXPECT_LT(Clock::now() - start, 10s) << "woken, not timed out";
    lock.unlock();
    notifier.join();
}

TEST(SlimCondition, AWaitThatIsNeverReadyEndsFalseAtItsDeadlineAndNotBefore)
{
    SlimMutex mutex;
    SlimCondition condition;
    for (const auto timeout : {0ms, 1ms, 30ms}) {
        SCOPED_TRACE(timeout.count());
        std::unique_lock<SlimMutex> lock(mutex);
        const Clock::time_point start = Clock::now();
        EXPECT_FALSE(condition.waitFor(lock, timeout, [] { return false; }));
        EXPECT_GE(Clock::now() - start, timeout);
        EXPECT_TRUE(lock.owns_lock());
    }
}

TEST(SlimMutex, KeepsTwoThreadsOutOfEachOther)
{
    SlimMutex mutex;
    long counter = 0;
    const auto addMany = [&] {
        for (int i = 0; i < 100000; ++i) {
            std::lock_guard<SlimMutex> lock(mutex);
            ++counter;
        }
    };
    std::thread other(addMany);
    addMany();
    other.join();
    EXPECT_EQ(counter, 200000);
}
