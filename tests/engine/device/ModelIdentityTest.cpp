#include "engine/decoding/ReportDecoder.h"
#include "engine/device/TabletIdentity.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct NameRow
{
    const char *product;
    std::uint16_t productId;
    const char *model;
};

std::shared_ptr<TabletPacket> pressKey(std::uint16_t index, const TabletDeviceInfo &device)
{
    const std::uint32_t bits = 1u << (index - 1);
    const std::uint8_t report[] = {0x09, 0x42, 0x01, 0x01, std::uint8_t(bits), std::uint8_t(bits >> 8),
                                   std::uint8_t(bits >> 16), std::uint8_t(bits >> 24), 0x00};
    return ReportDecoder::decodeKeyReport(report, sizeof report, device).toShared();
}

} // namespace

TEST(ModelIdentity, TheSiblingIsToldApartByProductId11Only)
{
    const NameRow rows[] = {
        {"QZ-Pen 5", 11, "QZ-Pen 5 S"},
        {"QZ-Pen 5", 10, "QZ-Pen 5"},
        {"QZ-Pen 5", 0x0B00, "QZ-Pen 5"},
        {"QZ-Pen 6", 11, "QZ-Pen 6"},
        {"qz-pen 5", 11, "qz-pen 5"},
        {"QZ-Pen 5 S", 11, "QZ-Pen 5 S"},
        {"", 11, ""},
    };
    for (const NameRow &row : rows) {
        SCOPED_TRACE(std::string(row.product) + " " + std::to_string(row.productId));
        EXPECT_EQ(TabletIdentity::modelName(row.product, row.productId), row.model);
    }
}

TEST(ModelIdentity, OnlyOneModelHasKeysActingAsItsDial)
{
    const struct
    {
        const char *model;
        bool keysActAsDial;
    } rows[] = {
        {"QZ-Pen 13 Pro", true},
        {"qz-pen 13 pro", false},
        {"QZ-Pen 16 Pro", false},
        {"QZ-Canvas 24 Pro", false},
        {"QZ-Pen 8 Dial", false},
        {"", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.model);
        EXPECT_EQ(TabletIdentity::keysActAsDial(row.model), row.keysActAsDial);
    }
}

TEST(ModelIdentity, ApplyingTheModelTableRenamesFirstAndThenSetsTheFlag)
{
    TabletDeviceInfo sibling;
    sibling.product = "QZ-Pen 5";
    sibling.productId = 11;
    TabletIdentity::applyModelTable(sibling);
    EXPECT_EQ(sibling.product, "QZ-Pen 5 S");
    EXPECT_FALSE(sibling.keysActAsDialModel);

    TabletDeviceInfo flagged;
    flagged.product = "QZ-Pen 13 Pro";
    flagged.productId = 0x0087;
    TabletIdentity::applyModelTable(flagged);
    EXPECT_EQ(flagged.product, "QZ-Pen 13 Pro");
    EXPECT_TRUE(flagged.keysActAsDialModel);

    TabletDeviceInfo other;
    other.product = "QZ-Pen 12 Pro";
    other.productId = 0x0086;
    other.keysActAsDialModel = true;
    TabletIdentity::applyModelTable(other);
    EXPECT_FALSE(other.keysActAsDialModel);
}

TEST(ModelIdentity, TheFlaggedModelsTopKeysTurnItsDialsWhereOthersStayKeys)
{
    TabletDeviceInfo device;
    device.coordinateWidth = 3;
    device.keyCount = 14;
    device.dialKeyCount = 2;
    device.product = "QZ-Pen 13 Pro";
    device.productId = 0x0087;
    TabletIdentity::applyModelTable(device);
    TabletDeviceInfo unflagged = device;
    unflagged.keysActAsDialModel = false;

    const auto key12 = std::dynamic_pointer_cast<TabletKeyPacket>(pressKey(12, device));
    const auto key13 = std::dynamic_pointer_cast<TabletDialPacket>(pressKey(13, device));
    const auto key14 = std::dynamic_pointer_cast<TabletDialPacket>(pressKey(14, device));
    ASSERT_TRUE(key12 && key13 && key14);
    EXPECT_EQ(key12->key, 12);
    EXPECT_EQ(key13->index, 1);
    EXPECT_EQ(key14->index, 2);
    EXPECT_TRUE(std::dynamic_pointer_cast<TabletKeyPacket>(pressKey(13, unflagged)));
}
