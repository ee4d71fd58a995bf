#include "engine/device/TabletIdentity.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

namespace {

std::string textOf(const Bytes &bytes)
{
    return TabletIdentity::indexedStringText(bytes.data(), bytes.size());
}

std::uint16_t widthOf(const Bytes &bytes)
{
    return TabletIdentity::coordinateWidthFromString22(bytes.data(), bytes.size());
}

Bytes utf16Units(const std::string &text)
{
    Bytes bytes;
    for (char c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c));
        bytes.push_back(0);
    }
    return bytes;
}

TabletDeviceInfo deviceWithWidth(std::uint16_t coordinateWidth)
{
    TabletDeviceInfo info;
    info.coordinateWidth = coordinateWidth;
    return info;
}

} // namespace

TEST(TabletDeviceInfo, DefaultRecordHasEmptyTextsZeroNumbersAndValueBTwo)
{
    const TabletDeviceInfo info;

    EXPECT_TRUE(info.product.empty());
    EXPECT_TRUE(info.path.empty());
    EXPECT_TRUE(info.string3.empty());
    EXPECT_TRUE(info.string23.empty());
    EXPECT_EQ(info.vendorId, 0u);
    EXPECT_EQ(info.productId, 0u);
    EXPECT_EQ(info.maximumX, 0u);
    EXPECT_EQ(info.maximumY, 0u);
    EXPECT_EQ(info.coordinateWidth, 0u);
    EXPECT_EQ(info.maximumPressure, 0u);
    EXPECT_EQ(info.valueA, 0u);
    EXPECT_EQ(info.valueB, 2u);
    EXPECT_EQ(info.keyCount, 0u);
    EXPECT_EQ(info.valueC, 0u);
    EXPECT_EQ(info.valueD, 0u);
    EXPECT_EQ(info.dialKeyCount, 0u);
    EXPECT_FALSE(info.penDisplay);
    EXPECT_FALSE(info.keysActAsDialModel);
}

TEST(TabletIdentity, IndexedStringTextTakesLowBytesUpToTheFirstZero)
{
    struct Row
    {
        const char *what;
        Bytes bytes;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {"terminated", {'P', 0, 'e', 0, 'n', 0, 0, 0, 'x', 0}, "Pen"},
        {"fills the buffer", utf16Units("Tablet"), "Tablet"},
        {"high bytes ignored", {'A', 0x04, 'B', 0xFF, 0, 0}, "AB"},
        {"zero low byte ends the text", {'A', 0, 0x00, 0x30, 'B', 0}, "A"},
        {"trailing half unit ignored", {'A', 0, 'B', 0, 'C'}, "AB"},
        {"single byte", {'A'}, ""},
        {"empty", {}, ""},
        {"at most 64 units", utf16Units(std::string(70, 'x')), std::string(64, 'x')},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(textOf(row.bytes), row.expected);
    }
}

TEST(TabletIdentity, CoordinateWidthIsThreeExactlyWhenByteTwoOfString22IsSet)
{
    struct Row
    {
        const char *what;
        Bytes bytes;
        std::uint16_t expected;
    };
    const std::vector<Row> rows = {
        {"second unit set", {0x01, 0x00, 0x01, 0x00}, 3},
        {"second unit 0", {0x01, 0x00, 0x00, 0x00}, 2},
        {"only the high byte of the second unit set", {0x01, 0x00, 0x00, 0x05}, 2},
        {"too short for byte 2", {0x01, 0x00}, 2},
        {"empty", {}, 2},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(widthOf(row.bytes), row.expected);
    }
}

TEST(TabletIdentity, FeatureBlockOfWidth2FillsMaximaCountsAndValues)
{
    const Bytes block = {0x10, 0x27, 0x88, 0x13, 0xFF, 0x1F, 0x34, 0x12,
                         0x05, 0x08, 0x07, 0x02, 0x06, 0xEE, 0xEE};
    TabletDeviceInfo info = deviceWithWidth(2);

    ASSERT_TRUE(TabletIdentity::readFeatureBlock(block.data(), block.size(), info));

    EXPECT_EQ(info.maximumX, 10000u);
    EXPECT_EQ(info.maximumY, 5000u);
    EXPECT_EQ(info.maximumPressure, 8191u);
    EXPECT_EQ(info.valueA, 0x1234u);
    EXPECT_EQ(info.valueB, 5u);
    EXPECT_EQ(info.keyCount, 8u);
    EXPECT_EQ(info.valueD, 7u);
    EXPECT_EQ(info.dialKeyCount, 2u);
    EXPECT_EQ(info.valueC, 6u);
}

TEST(TabletIdentity, FeatureBlockOfWidth3ShiftsEveryFieldAfterTheMaxima)
{
    const Bytes block = {0x40, 0x0D, 0x03, 0xA0, 0x86, 0x01, 0xFF, 0x3F,
                         0x00, 0x01, 0x01, 0x0C, 0x00, 0x04, 0x03};
    TabletDeviceInfo info = deviceWithWidth(3);

    ASSERT_TRUE(TabletIdentity::readFeatureBlock(block.data(), block.size(), info));

    EXPECT_EQ(info.maximumX, 0x030D40u);
    EXPECT_EQ(info.maximumY, 100000u);
    EXPECT_EQ(info.maximumPressure, 16383u);
    EXPECT_EQ(info.valueA, 0x0100u);
    EXPECT_EQ(info.valueB, 1u);
    EXPECT_EQ(info.keyCount, 12u);
    EXPECT_EQ(info.valueD, 0u);
    EXPECT_EQ(info.dialKeyCount, 4u);
    EXPECT_EQ(info.valueC, 3u);
}

TEST(TabletIdentity, FeatureBlockTooShortOrOfAnUnknownWidthLeavesTheRecordAlone)
{
    struct Row
    {
        const char *what;
        std::uint16_t width;
        std::size_t size;
    };
    const std::vector<Row> rows = {
        {"width 2, one byte short", 2, 12},
        {"width 3, one byte short", 3, 14},
        {"width 0", 0, 15},
        {"width 4", 4, 64},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const Bytes block(row.size, 0x11);
        TabletDeviceInfo info = deviceWithWidth(row.width);

        EXPECT_FALSE(TabletIdentity::readFeatureBlock(block.data(), block.size(), info));
        EXPECT_EQ(info.maximumX, 0u);
        EXPECT_EQ(info.maximumPressure, 0u);
        EXPECT_EQ(info.valueB, 2u);
        EXPECT_EQ(info.keyCount, 0u);
    }
}

TEST(TabletIdentity, ProductIdsAbove4096ArePenDisplays)
{
    EXPECT_FALSE(TabletIdentity::isPenDisplayProduct(4096));
    EXPECT_TRUE(TabletIdentity::isPenDisplayProduct(4097));
    EXPECT_TRUE(TabletIdentity::isPenDisplayProduct(0xFFFF));
    EXPECT_FALSE(TabletIdentity::isPenDisplayProduct(11));
}
