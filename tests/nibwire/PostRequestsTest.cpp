#include "nibwire/PostRequests.h"

#include "nibwire/WintabTypes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::uint8_t> bytesOf(const PostMessageRecord &record)
{
    std::uint8_t bytes[kPostMessageRecordSize];
    encodePostMessageRecord(record, bytes);
    return std::vector<std::uint8_t>(bytes, bytes + sizeof bytes);
}

TEST(PostRequests, OnlyPacketProximityAndCursorMessagesArePosted)
{
    struct Row {
        std::uint32_t message;
        bool posted;
    };
    const Row rows[] = {
        {WT_PACKET, true},      {WT_PROXIMITY, true},  {WT_CSRCHANGE, true},
        {WT_CTXOPEN, false},    {WT_CTXCLOSE, false},  {WT_CTXUPDATE, false},
        {WT_CTXOVERLAP, false}, {WT_INFOCHANGE, false}, {WT_PACKETEXT, false},
        {PostRequests::kIgnoredMessage, false}, {0, false}, {0x0010, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.message);
        const auto bytes = bytesOf({0x1234, row.message, 0, 7, 9});
        EXPECT_EQ(PostRequests::postable(bytes.data(), bytes.size()).has_value(), row.posted);
    }
}

TEST(PostRequests, APostedRequestKeepsItsFields)
{
    const auto bytes = bytesOf({0xFFFF00001234ull, WT_PACKET, 0, 0x1122334455667788ull, 3});
    const auto record = PostRequests::postable(bytes.data(), bytes.size());
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->window, 0xFFFF00001234ull);
    EXPECT_EQ(record->message, WT_PACKET);
    EXPECT_EQ(record->wParam, 0x1122334455667788ull);
    EXPECT_EQ(record->lParam, 3u);
}

TEST(PostRequests, ARequestWithoutAWindowIsDropped)
{
    const auto bytes = bytesOf({0, WT_PACKET, 0, 1, 1});
    EXPECT_FALSE(PostRequests::postable(bytes.data(), bytes.size()));
}

TEST(PostRequests, OnlyWholeRecordsCount)
{
    auto bytes = bytesOf({0x10, WT_PACKET, 0, 1, 1});
    EXPECT_FALSE(PostRequests::postable(bytes.data(), 31));
    bytes.push_back(0);
    EXPECT_FALSE(PostRequests::postable(bytes.data(), bytes.size()));
    EXPECT_FALSE(PostRequests::postable(nullptr, 32));
    EXPECT_FALSE(PostRequests::postable(bytes.data(), 0));
}

} // namespace
