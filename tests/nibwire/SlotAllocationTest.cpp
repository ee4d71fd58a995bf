#include "nibwire/DefaultContext.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace SlotAllocation;
using Slots = std::array<SlotState, kSlotCount>;

Slots allOpen()
{
    Slots slots;
    for (int i = 0; i < kSlotCount; ++i)
        slots[std::size_t(i)] = {std::uint32_t(i + 1), true};
    return slots;
}

std::vector<int> clearedOf(const OpenDecision &decision)
{
    std::vector<int> cleared;
    for (int i = 0; i < kSlotCount; ++i) {
        if (decision.clear[std::size_t(i)])
            cleared.push_back(i);
    }
    return cleared;
}

TEST(SlotAllocation, AnEmptySectionGivesHandleOne)
{
    const OpenDecision decision = allocate(Slots{});
    EXPECT_EQ(decision.taken, 0);
}

TEST(SlotAllocation, TheFirstFreeSlotIsTaken)
{
    Slots slots = allOpen();
    slots[3] = {0, false};
    slots[9] = {0, false};
    const OpenDecision decision = allocate(slots);
    EXPECT_EQ(decision.taken, 3);
}

TEST(SlotAllocation, ASlotWhoseWindowIsGoneIsClearedAndReused)
{
    Slots slots = allOpen();
    slots[5].windowAlive = false;
    const OpenDecision decision = allocate(slots);
    EXPECT_EQ(decision.taken, 5);
    EXPECT_EQ(clearedOf(decision), std::vector<int>{5});
}

TEST(SlotAllocation, AnOpenStopsAtTheSlotItTakes)
{
    Slots slots = allOpen();
    slots[1].windowAlive = false;
    slots[7].windowAlive = false;
    const OpenDecision decision = allocate(slots);
    EXPECT_EQ(decision.taken, 1);
    EXPECT_EQ(clearedOf(decision), std::vector<int>{1});
}

TEST(SlotAllocation, TheSeventeenthOpenFindsNoSlot)
{
    Slots slots{};
    for (std::uint32_t open = 1; open <= 16; ++open) {
        const OpenDecision decision = allocate(slots);
        ASSERT_EQ(decision.taken, int(open) - 1) << "open " << open;
        slots[std::size_t(decision.taken)] = {open, true};
    }
    const OpenDecision seventeenth = allocate(slots);
    EXPECT_EQ(seventeenth.taken, -1);
    EXPECT_TRUE(clearedOf(seventeenth).empty());
}

TEST(SlotAllocation, OwnershipNeedsTheHandleTheMapAndTheSlotOwner)
{
    struct Row {
        std::uint32_t handle;
        bool inMap;
        std::uint32_t slotHandle;
        std::uint64_t slotOwner;
        bool owned;
    };
    const std::uint32_t self = 4242;
    const std::vector<Row> rows = {
        {3, true, 3, self, true},
        {16, true, 16, self, true},
        {0, true, 0, self, false},
        {17, true, 17, self, false},
        {3, false, 3, self, false},   // opened by another process
        {3, true, 3, 777, false},     // slot reused by another process after this one's window died
        {3, true, 0, self, false},    // slot closed
        {3, true, 3, 0x100000000ull + self, false},
    };
    for (const Row &row : rows)
        EXPECT_EQ(ownedBy(row.handle, row.inMap, row.slotHandle, row.slotOwner, self), row.owned)
            << row.handle << " " << row.inMap << " " << row.slotHandle << " " << row.slotOwner;
}

} // namespace
