#include "engine/ddc/DdcColorPresets.h"

#include "engine/ddc/IDDCInterface.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct Row
{
    int preset;
    std::uint32_t vcpValue;
};

const Row kTable[] = {
    {IDDCInterface::PresetSrgb, 1}, {IDDCInterface::Preset4000K, 3}, {IDDCInterface::Preset5000K, 4},
    {IDDCInterface::Preset6500K, 5}, {IDDCInterface::Preset7500K, 6}, {IDDCInterface::Preset9300K, 8},
    {IDDCInterface::PresetUser, 11},
};

} // namespace

TEST(DdcColorPresets, TheFlagsAreTheDialogsValues)
{
    EXPECT_EQ(int(IDDCInterface::PresetSrgb), 1);
    EXPECT_EQ(int(IDDCInterface::Preset4000K), 2);
    EXPECT_EQ(int(IDDCInterface::Preset5000K), 4);
    EXPECT_EQ(int(IDDCInterface::Preset6500K), 8);
    EXPECT_EQ(int(IDDCInterface::Preset7500K), 16);
    EXPECT_EQ(int(IDDCInterface::Preset9300K), 32);
    EXPECT_EQ(int(IDDCInterface::PresetUser), 240);
}

TEST(DdcColorPresets, EachFlagHasItsVcpValueAndBack)
{
    for (const Row &row : kTable) {
        EXPECT_EQ(DdcColorPresets::vcpValue(row.preset), row.vcpValue) << row.preset;
        EXPECT_EQ(DdcColorPresets::preset(row.vcpValue), row.preset) << row.vcpValue;
    }
}

TEST(DdcColorPresets, AFlagOutsideTheTableHasNoValue)
{
    for (int preset : {0, 3, 64, 128, 255, -1})
        EXPECT_EQ(DdcColorPresets::vcpValue(preset), 0u) << preset;
}

TEST(DdcColorPresets, AValueOutsideTheTableIsNoPreset)
{
    for (std::uint32_t value : {0u, 2u, 7u, 9u, 10u, 12u, 13u, 0xFFFFFFFFu})
        EXPECT_EQ(DdcColorPresets::preset(value), IDDCInterface::NoPreset) << value;
}
