#include "ipc/RecordReassembler.h"

#include <gmock/gmock.h>

#include <numeric>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A stream of `count` records whose bytes count up from 0.
Bytes stream(std::size_t count)
{
    Bytes bytes(count * kPostMessageRecordSize);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t(0));
    return bytes;
}

struct Cutting
{
    const char *name;
    std::size_t records;
    std::vector<std::size_t> pieces;
};

class RecordReassemblerCuts : public testing::TestWithParam<Cutting>
{};

TEST_P(RecordReassemblerCuts, recordsCutIntoPiecesComeOutWholeAndInOrder)
{
    const Bytes bytes = stream(GetParam().records);
    RecordReassembler reassembler;
    std::vector<Bytes> records;
    std::size_t at = 0;
    for (std::size_t piece : GetParam().pieces) {
        for (Bytes &record : reassembler.append(bytes.data() + at, piece))
            records.push_back(std::move(record));
        at += piece;
    }
    ASSERT_EQ(at, bytes.size());
    ASSERT_EQ(records.size(), GetParam().records);
    for (std::size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(records[i], Bytes(bytes.begin() + std::ptrdiff_t(i * 32),
                                    bytes.begin() + std::ptrdiff_t((i + 1) * 32)))
                << "record " << i;
    EXPECT_EQ(reassembler.pendingBytes(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
        RecordReassembler, RecordReassemblerCuts,
        testing::Values(Cutting{"whole", 1, {32}}, Cutting{"twoHalves", 1, {16, 16}},
                        Cutting{"byteByByte", 1, std::vector<std::size_t>(32, 1)},
                        Cutting{"twoInOneRead", 2, {64}},
                        Cutting{"acrossTheBoundary", 3, {20, 40, 36}},
                        Cutting{"emptyReadsBetween", 2, {0, 31, 0, 1, 32}}),
        [](const testing::TestParamInfo<Cutting> &info) { return info.param.name; });

TEST(RecordReassembler, partOfARecordIsKeptUntilTheRestArrives)
{
    const Bytes bytes = stream(1);
    RecordReassembler reassembler;
    EXPECT_TRUE(reassembler.append(bytes.data(), 31).empty());
    EXPECT_EQ(reassembler.pendingBytes(), 31u);
    EXPECT_EQ(reassembler.append(bytes.data() + 31, 1).size(), 1u);
}

TEST(RecordReassembler, clearDropsAPartialRecord)
{
    const Bytes bytes = stream(2);
    RecordReassembler reassembler;
    reassembler.append(bytes.data(), 10);
    reassembler.clear();
    const auto records = reassembler.append(bytes.data() + 32, 32);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].front(), 32);
}

TEST(RecordReassembler, nullBytesGiveNothing)
{
    RecordReassembler reassembler;
    EXPECT_TRUE(reassembler.append(nullptr, 32).empty());
    EXPECT_EQ(reassembler.pendingBytes(), 0u);
}

} // namespace
