#include "engine/decoding/PenReportFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TabletPenPacket penAt(std::uint32_t status, std::uint32_t x = 0)
{
    return TabletPenPacket(status, x, 0, 0, 0, 0, 0, 0, 0);
}

// Feeds one packet per status letter (o out of range, h hovering, t tip down) and tells which
// were queued, as '+' and '-'.
std::string queuedPattern(PenReportFilter &filter, const std::string &statuses)
{
    std::string pattern;
    for (char status : statuses) {
        const std::uint32_t value = status == 't'   ? TabletPenPacket::TipDown
                                    : status == 'h' ? TabletPenPacket::Hovering
                                                    : TabletPenPacket::OutOfRange;
        pattern += filter.shouldQueue(penAt(value)) ? '+' : '-';
    }
    return pattern;
}

} // namespace

TEST(PenReportFilter, QueuesOnlyTheFirstOfARunOfOutOfRangePenPackets)
{
    struct Row
    {
        const char *statuses;
        const char *queued;
    };
    const std::vector<Row> rows = {
        {"o", "-"},
        {"too", "++-"},
        {"tooo", "++--"},
        {"toohoo", "++-++-"},
        {"hotoo", "++++-"},
        {"ttthh", "+++++"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.statuses);
        PenReportFilter filter;
        EXPECT_EQ(queuedPattern(filter, row.statuses), row.queued);
    }
}

TEST(PenReportFilter, StartsWithAnEmptyOutOfRangePenPacket)
{
    const PenReportFilter filter;

    EXPECT_EQ(filter.lastQueuedPenPacket().status, 0xC0u);
    EXPECT_EQ(filter.lastQueuedPenPacket().x, 0u);
    EXPECT_EQ(filter.lastQueuedPenPacket().pressure, 0u);
}

TEST(PenReportFilter, RemembersTheLastQueuedPenPacketButNotADroppedOne)
{
    PenReportFilter filter;
    filter.shouldQueue(penAt(TabletPenPacket::TipDown, 5));
    filter.shouldQueue(penAt(TabletPenPacket::OutOfRange, 6));

    EXPECT_FALSE(filter.shouldQueue(penAt(TabletPenPacket::OutOfRange, 7)));
    EXPECT_EQ(filter.lastQueuedPenPacket().status, 0xC0u);
    EXPECT_EQ(filter.lastQueuedPenPacket().x, 6u);
}

TEST(PenReportFilter, PassesOtherPacketsWithoutEndingARunOfOutOfRangePackets)
{
    PenReportFilter filter;
    filter.shouldQueue(penAt(TabletPenPacket::Hovering));
    filter.shouldQueue(penAt(TabletPenPacket::OutOfRange));

    EXPECT_TRUE(filter.shouldQueue(TabletKeyPacket(3, 1, 0)));
    EXPECT_TRUE(filter.shouldQueue(TabletDialPacket(1, 2)));
    EXPECT_TRUE(filter.shouldQueue(TabletTouchPacket(1, 5)));
    EXPECT_FALSE(filter.shouldQueue(penAt(TabletPenPacket::OutOfRange)));
}
