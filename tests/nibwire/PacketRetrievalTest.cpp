#include "nibwire/PacketRetrieval.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace PacketRetrieval;

struct PacketsRow {
    std::uint32_t read;
    std::uint32_t write;
    int maxPackets;
    bool hasBuffer;
    Mode mode;
    std::uint32_t first;
    std::uint32_t count;
    std::uint32_t newRead;
};

TEST(PacketRetrieval, PacketsGetAndPeekTakeAtMost32WithABuffer)
{
    const std::vector<PacketsRow> rows = {
        {0, 50, 100, true, Mode::Get, 0, 32, 32},      // 50 waiting: 32 now, 18 left
        {32, 50, 100, true, Mode::Get, 32, 18, 50},
        {0, 50, 5, true, Mode::Get, 0, 5, 5},
        {0, 50, 100, true, Mode::Peek, 0, 32, 0},
        {10, 10, 5, true, Mode::Get, 10, 0, 10},
        {0, 50, 0, true, Mode::Get, 0, 0, 0},
        {0, 50, -3, true, Mode::Get, 0, 0, 0},
        {0xFFFFFFF0, 0x10, 100, true, Mode::Get, 0xFFFFFFF0, 32, 0x10}, // serials wrap around
        {10, 5, 100, true, Mode::Get, 5, 0, 5},        // read index ahead of the writer: nothing
        // More than 1024 waiting: from the oldest packet still in the ring.
        {0, 2000, 100, true, Mode::Get, 976, 32, 1008},
        {0, 2000, 100, true, Mode::Peek, 976, 32, 0},
    };
    for (const PacketsRow &row : rows) {
        SCOPED_TRACE(testing::Message() << row.read << ".." << row.write << " max " << row.maxPackets);
        const Plan plan = packets(row.read, row.write, row.maxPackets, row.hasBuffer, row.mode);
        EXPECT_EQ(plan.count, row.count);
        if (row.count > 0) {
            EXPECT_EQ(plan.first, row.first);
        }
        EXPECT_EQ(plan.readIndex, row.newRead);
    }
}

TEST(PacketRetrieval, WithoutABufferGetSkipsAndPeekOnlyCounts)
{
    const std::vector<PacketsRow> rows = {
        {0, 50, 5, false, Mode::Get, 0, 5, 5},
        {0, 50, 5, false, Mode::Peek, 0, 5, 0},
        {48, 50, 5, false, Mode::Get, 48, 2, 50},
        {0, 50, 100, false, Mode::Get, 0, 50, 50}, // no 32-packet limit without a buffer
        {0, 2000, 5000, false, Mode::Get, 976, 1024, 2000},
        {0, 50, 0, false, Mode::Get, 0, 0, 0},
    };
    for (const PacketsRow &row : rows) {
        SCOPED_TRACE(testing::Message() << row.read << ".." << row.write << " max " << row.maxPackets);
        const Plan plan = packets(row.read, row.write, row.maxPackets, row.hasBuffer, row.mode);
        EXPECT_EQ(plan.count, row.count);
        EXPECT_EQ(plan.readIndex, row.newRead);
    }
}

TEST(PacketRetrieval, AnOverrunQueueIsReadInSerialOrderWithoutDuplicates)
{
    std::uint32_t read = 0;
    const std::uint32_t write = 3000;
    std::vector<std::uint32_t> serials;
    for (;;) {
        const Plan plan = packets(read, write, 32, true, Mode::Get);
        if (plan.count == 0)
            break;
        for (std::uint32_t i = 0; i < plan.count; ++i)
            serials.push_back(plan.first + i);
        read = plan.readIndex;
    }
    ASSERT_EQ(serials.size(), 1024u);
    for (std::size_t i = 0; i < serials.size(); ++i)
        ASSERT_EQ(serials[i], 3000 - 1024 + i);
}

struct DataRow {
    std::uint32_t read;
    std::uint32_t write;
    std::uint32_t begin;
    std::uint32_t end;
    int maxPackets;
    Mode mode;
    bool valid;
    std::uint32_t first;
    std::uint32_t count;
    std::uint32_t newRead;
};

TEST(PacketRetrieval, DataGetTakesAtMostEndMinusBeginPlusOneOfTheOldest)
{
    const std::vector<DataRow> rows = {
        {0, 50, 10, 12, 100, Mode::Get, true, 0, 3, 3}, // serials are not compared with the range
        {0, 50, 0, 100, 100, Mode::Get, true, 0, 50, 50}, // no 32-packet limit
        {0, 50, 0, 0xFFFFFFFF, 40, Mode::Peek, true, 0, 40, 0},
        {0, 50, 7, 7, 100, Mode::Get, true, 0, 1, 1},
        {50, 50, 0, 9, 100, Mode::Get, true, 50, 0, 50},
        {0, 2000, 0, 9, 100, Mode::Get, true, 976, 10, 986},
        {0, 50, 12, 10, 100, Mode::Get, false, 0, 0, 0},
        {0, 50, 0, 100, 0, Mode::Get, false, 0, 0, 0},
    };
    for (const DataRow &row : rows) {
        SCOPED_TRACE(testing::Message() << row.read << ".." << row.write << " [" << row.begin << ", " << row.end << "]");
        const DataPlan plan = data(row.read, row.write, row.begin, row.end, row.maxPackets, row.mode);
        EXPECT_EQ(plan.valid, row.valid);
        EXPECT_EQ(plan.plan.count, row.count);
        if (row.count > 0) {
            EXPECT_EQ(plan.plan.first, row.first);
        }
        EXPECT_EQ(plan.plan.readIndex, row.newRead);
    }
}

TEST(PacketRetrieval, PacketBySerialDropsTheOlderOnes)
{
    struct Row {
        std::uint32_t read, write, serial;
        bool found;
        std::uint32_t newRead;
    };
    const std::vector<Row> rows = {
        {5, 10, 5, true, 6},
        {5, 10, 8, true, 9},
        {5, 10, 9, true, 10},
        {5, 10, 10, false, 5},
        {5, 10, 4, false, 5},
        {5, 5, 5, false, 5},
        {0, 2000, 975, false, 0}, // overwritten in the ring
        {0, 2000, 976, true, 977},
        {0xFFFFFFFE, 2, 1, true, 2},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.read << ".." << row.write << " serial " << row.serial);
        const SerialPlan plan = packet(row.read, row.write, row.serial);
        EXPECT_EQ(plan.found, row.found);
        EXPECT_EQ(plan.readIndex, row.newRead);
    }
}

TEST(PacketRetrieval, QueueSpanNamesTheOldestAndNewestWaitingSerials)
{
    QueueSpan span = queueSpan(5, 10);
    EXPECT_TRUE(span.found);
    EXPECT_EQ(span.oldest, 5u);
    EXPECT_EQ(span.newest, 9u);
    EXPECT_FALSE(queueSpan(10, 10).found);
    EXPECT_FALSE(queueSpan(0, 0).found);
    span = queueSpan(0, 2000);
    EXPECT_EQ(span.oldest, 976u);
    EXPECT_EQ(span.newest, 1999u);
}

TEST(PacketRetrieval, RingIndexesWrapAt1024)
{
    EXPECT_EQ(ringIndex(0), 0u);
    EXPECT_EQ(ringIndex(1023), 1023u);
    EXPECT_EQ(ringIndex(1024), 0u);
    EXPECT_EQ(ringIndex(3000), 952u);
    EXPECT_EQ(previousRingIndex(0), 1023u);
    EXPECT_EQ(previousRingIndex(1024), 1023u);
    EXPECT_EQ(previousRingIndex(5), 4u);
}

} // namespace
