#include "nibwire/ContextMap.h"

#include <gmock/gmock.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

TEST(ContextMap, PutInsertsAndGivesAReusedHandleItsNewWindow)
{
    ContextMap map;
    map.put(3, 0x30);
    map.put(1, 0x10);
    map.put(3, 0x33);
    EXPECT_EQ(map.size(), 2u);
    EXPECT_TRUE(map.contains(3));
    EXPECT_FALSE(map.withWindow(0x30, [] { FAIL() << "the old window is gone"; }));
    int ran = 0;
    EXPECT_TRUE(map.withWindow(0x33, [&ran] { ++ran; }));
    EXPECT_EQ(ran, 1);
}

TEST(ContextMap, AWindowOfSeveralContextsRunsTheActionOnce)
{
    ContextMap map;
    map.put(1, 0x10);
    map.put(2, 0x10);
    int ran = 0;
    EXPECT_TRUE(map.withWindow(0x10, [&ran] { ++ran; }));
    EXPECT_EQ(ran, 1);
    EXPECT_FALSE(map.withWindow(0x20, [&ran] { ++ran; }));
    EXPECT_EQ(ran, 1);
}

TEST(ContextMap, EraseAndContains)
{
    ContextMap map;
    map.put(5, 0x50);
    map.erase(5);
    map.erase(6);
    EXPECT_FALSE(map.contains(5));
    EXPECT_EQ(map.size(), 0u);
}

TEST(ContextMap, TakeAllEmptiesTheMapInHandleOrder)
{
    ContextMap map;
    map.put(9, 1);
    map.put(2, 1);
    map.put(16, 1);
    EXPECT_THAT(map.takeAll(), testing::ElementsAre(2u, 9u, 16u));
    EXPECT_EQ(map.size(), 0u);
    EXPECT_TRUE(map.takeAll().empty());
}

TEST(ContextMap, TryTakeAllGivesUpWhileTheLockIsHeld)
{
    ContextMap map;
    map.put(4, 0x40);
    std::optional<std::vector<std::uint32_t>> taken;
    // The action runs under the map's lock; another thread's try finds it held.
    map.withWindow(0x40, [&] {
        std::thread other([&] { taken = map.tryTakeAll(); });
        other.join();
    });
    EXPECT_FALSE(taken.has_value());
    EXPECT_EQ(map.size(), 1u);
    taken = map.tryTakeAll();
    ASSERT_TRUE(taken.has_value());
    EXPECT_THAT(*taken, testing::ElementsAre(4u));
}

TEST(ContextMap, CallsFromManyThreadsKeepTheMapConsistent)
{
    ContextMap map;
    std::vector<std::thread> threads;
    for (std::uint32_t t = 0; t < 4; ++t) {
        threads.emplace_back([&map, t] {
            for (int round = 0; round < 1000; ++round) {
                const std::uint32_t handle = 1 + (t * 4 + std::uint32_t(round)) % 16;
                map.put(handle, handle);
                map.withWindow(handle, [] {});
                map.erase(handle);
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(map.size(), 0u);
}

} // namespace
