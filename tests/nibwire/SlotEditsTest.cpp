#include "nibwire/SlotEdits.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

struct Records {
    ContextSlot slot;
    std::unique_ptr<PacketQueue> queue = std::make_unique<PacketQueue>();
    Records()
    {
        std::memset(&slot, 0xEE, sizeof slot);
        std::memset(queue.get(), 0, sizeof(PacketQueue));
    }
};

SlotEdits::Opening opening()
{
    SlotEdits::Opening opening;
    opening.handle = 7;
    opening.processId = 4242;
    opening.window = 0x1234567890ull;
    opening.enabled = 1;
    opening.host.matched = true;
    opening.host.code = 11;
    opening.host.hostCode = 0xFFFF;
    std::memset(&opening.context, 0, sizeof opening.context);
    std::strcpy(opening.context.lcName, "App");
    opening.context.lcPktData = 0x1C0;
    opening.context.lcOutExtZ = 123;
    return opening;
}

TEST(SlotEdits, OpeningRecordIsOnTop)
{
    LOGCONTEXTA requested{};
    requested.lcStatus = CXS_DISABLED;
    requested.lcPktRate = 99;
    const LOGCONTEXTA record = SlotEdits::openingRecord(requested);
    EXPECT_EQ(record.lcStatus, CXS_ONTOP);
    EXPECT_EQ(record.lcPktRate, 99u);
}

TEST(SlotEdits, OpenFillsEveryFieldAndStartsAnEmptyQueue)
{
    Records records;
    records.queue->readIndex = 40;
    records.queue->writeCounter = 50;
    SlotEdits::open(records.slot, records.queue.get(), opening());
    const ContextSlot &slot = records.slot;
    EXPECT_EQ(slot.ownerProcessId, 4242u);
    EXPECT_EQ(slot.handle, 7u);
    EXPECT_EQ(slot.enabled, 1);
    EXPECT_EQ(slot.window, 0x1234567890ull);
    EXPECT_EQ(slot.hostMatch, 1u);
    EXPECT_EQ(slot.matchedCode, 11u);
    EXPECT_STREQ(slot.context.lcName, "App");
    EXPECT_EQ(slot.context.lcPktData, 0x1C0u);
    // The host code takes the place of the record's lcOutExtZ.
    EXPECT_EQ(slot.hostCode(), 0xFFFFu);
    EXPECT_EQ(slot.unused, 0u);
    EXPECT_EQ(records.queue->readIndex, 0u);
    EXPECT_EQ(records.queue->writeCounter, 0u);
}

TEST(SlotEdits, ClearZeroesTheWholeSlot)
{
    Records records;
    SlotEdits::clear(records.slot);
    const ContextSlot zero{};
    EXPECT_EQ(std::memcmp(&records.slot, &zero, sizeof zero), 0);
}

TEST(SlotEdits, EnablingDropsWaitingPacketsAndDisablingKeepsThem)
{
    Records records;
    SlotEdits::open(records.slot, records.queue.get(), opening());
    records.queue->readIndex = 3;
    records.queue->writeCounter = 9;
    SlotEdits::enable(records.slot, records.queue.get(), 0);
    EXPECT_EQ(records.slot.enabled, 0);
    EXPECT_EQ(records.queue->readIndex, 3u);
    SlotEdits::enable(records.slot, records.queue.get(), 5);
    EXPECT_EQ(records.slot.enabled, 5);
    EXPECT_EQ(records.queue->readIndex, 9u);
}

TEST(SlotEdits, OverlapSetsOnTopOrObscured)
{
    Records records;
    SlotEdits::open(records.slot, records.queue.get(), opening());
    EXPECT_EQ(SlotEdits::overlap(records.slot, false), CXS_OBSCURED);
    EXPECT_EQ(records.slot.context.lcStatus, CXS_OBSCURED);
    EXPECT_EQ(SlotEdits::overlap(records.slot, true), CXS_ONTOP);
    EXPECT_EQ(records.slot.context.lcStatus, CXS_ONTOP);
}

TEST(SlotEdits, SetContextKeepsTheHostCodeAndGetShowsIt)
{
    Records records;
    SlotEdits::Opening open = opening();
    open.host.hostCode = 1560;
    SlotEdits::open(records.slot, records.queue.get(), open);
    LOGCONTEXTA changed{};
    std::strcpy(changed.lcName, "Changed");
    changed.lcOutExtZ = 5;
    changed.lcOutExtX = 1920;
    SlotEdits::setContext(records.slot, changed);
    const LOGCONTEXTA seen = SlotEdits::context(records.slot);
    EXPECT_STREQ(seen.lcName, "Changed");
    EXPECT_EQ(seen.lcOutExtX, 1920);
    EXPECT_EQ(seen.lcOutExtZ, 1560);
}

} // namespace
