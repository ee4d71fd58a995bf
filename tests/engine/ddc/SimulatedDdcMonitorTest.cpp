#include "engine/ddc/SimulatedDdcMonitor.h"

#include "engine/ddc/MccsCodes.h"

#include <gtest/gtest.h>

namespace {

using Temperature = IDdcChannel::ColorTemperature;

struct Range
{
    std::uint32_t minimum = 99, current = 99, maximum = 99;
};

} // namespace

TEST(SimulatedDdcMonitor, StartsAtItsFactorySettings)
{
    SimulatedDdcMonitor monitor;
    Range range;
    ASSERT_TRUE(monitor.brightness(range.minimum, range.current, range.maximum));
    EXPECT_EQ(range.minimum, 0u);
    EXPECT_EQ(range.current, 50u);
    EXPECT_EQ(range.maximum, 100u);
    ASSERT_TRUE(monitor.gain(IDdcChannel::Gain::Green, range.minimum, range.current, range.maximum));
    EXPECT_EQ(range.current, 50u);
    EXPECT_EQ(monitor.value(MccsCodes::kSelectColorPreset), MccsCodes::kPreset6500K);
}

TEST(SimulatedDdcMonitor, ReportsCapabilitiesAsTheSystemSpellsThem)
{
    SimulatedDdcMonitor monitor;
    std::uint32_t capabilities = 0, temperatures = 0;
    ASSERT_TRUE(monitor.capabilities(capabilities, temperatures));
    EXPECT_EQ(capabilities & 0x1E, 0x1Eu); // brightness, contrast, colour temperature, gains
    EXPECT_EQ(temperatures, 0x2Fu);        // 4000, 5000, 6500, 7500 and 9300 K
}

TEST(SimulatedDdcMonitor, AValuePastTheEndStopsAtTheEnd)
{
    SimulatedDdcMonitor monitor;
    EXPECT_TRUE(monitor.writeVcp(MccsCodes::kContrast, 250));
    EXPECT_EQ(monitor.value(MccsCodes::kContrast), 100u);
}

TEST(SimulatedDdcMonitor, ACodeItDoesNotHaveFails)
{
    SimulatedDdcMonitor monitor;
    std::uint32_t current = 0, maximum = 0;
    EXPECT_FALSE(monitor.readVcp(0x60, current, maximum));
    EXPECT_FALSE(monitor.writeVcp(0x60, 1));
}

TEST(SimulatedDdcMonitor, AColourTemperatureSelectsItsPreset)
{
    SimulatedDdcMonitor monitor;
    const std::pair<Temperature, std::uint32_t> rows[] = {
        {Temperature::K4000, 3}, {Temperature::K5000, 4}, {Temperature::K6500, 5},
        {Temperature::K7500, 6}, {Temperature::K9300, 8},
    };
    for (const auto &[temperature, value] : rows) {
        EXPECT_TRUE(monitor.setColorTemperature(temperature)) << value;
        EXPECT_EQ(monitor.value(MccsCodes::kSelectColorPreset), value);
    }
}

TEST(SimulatedDdcMonitor, OnlyTheTemperaturesItSupports)
{
    SimulatedDdcMonitor monitor;
    EXPECT_FALSE(monitor.setColorTemperature(Temperature::K8200));
    EXPECT_FALSE(monitor.setColorTemperature(Temperature::Unknown));
    monitor.setCapabilities(0x2, 0x2F);
    EXPECT_FALSE(monitor.setColorTemperature(Temperature::K4000));
    EXPECT_EQ(monitor.value(MccsCodes::kSelectColorPreset), MccsCodes::kPreset6500K);
}

TEST(SimulatedDdcMonitor, WithoutDdcEveryRequestFails)
{
    SimulatedDdcMonitor monitor;
    monitor.setAnswering(false);
    std::uint32_t a = 0, b = 0, c = 0;
    EXPECT_FALSE(monitor.capabilities(a, b));
    EXPECT_FALSE(monitor.brightness(a, b, c));
    EXPECT_FALSE(monitor.contrast(a, b, c));
    EXPECT_FALSE(monitor.gain(IDdcChannel::Gain::Red, a, b, c));
    EXPECT_FALSE(monitor.readVcp(MccsCodes::kBrightness, a, b));
    EXPECT_FALSE(monitor.writeVcp(MccsCodes::kBrightness, 10));
    EXPECT_FALSE(monitor.setColorTemperature(Temperature::K5000));
    EXPECT_EQ(monitor.value(MccsCodes::kBrightness), 50u);
}

TEST(SimulatedDdcMonitor, RestoringFactoryColourLeavesBrightnessAndContrast)
{
    SimulatedDdcMonitor monitor;
    monitor.writeVcp(MccsCodes::kBrightness, 80);
    monitor.writeVcp(MccsCodes::kRedGain, 10);
    monitor.writeVcp(MccsCodes::kSelectColorPreset, MccsCodes::kPresetUser1);

    EXPECT_TRUE(monitor.writeVcp(MccsCodes::kRestoreFactoryColorDefaults, 1));

    EXPECT_EQ(monitor.value(MccsCodes::kRedGain), 50u);
    EXPECT_EQ(monitor.value(MccsCodes::kSelectColorPreset), MccsCodes::kPreset6500K);
    EXPECT_EQ(monitor.value(MccsCodes::kBrightness), 80u);
}

TEST(SimulatedDdcMonitor, SavingKeepsTheCurrentValues)
{
    SimulatedDdcMonitor monitor;
    EXPECT_EQ(monitor.savedValue(MccsCodes::kBrightness), 0u);
    monitor.writeVcp(MccsCodes::kBrightness, 70);
    EXPECT_TRUE(monitor.writeVcp(MccsCodes::kSaveSettings, 1));
    monitor.writeVcp(MccsCodes::kBrightness, 20);
    EXPECT_EQ(monitor.savedValue(MccsCodes::kBrightness), 70u);
}

TEST(SimulatedDdcMonitor, LogsEveryWriteRequest)
{
    SimulatedDdcMonitor monitor;
    monitor.setFailingCode(MccsCodes::kContrast, true);
    monitor.writeVcp(MccsCodes::kBrightness, 1);
    EXPECT_FALSE(monitor.writeVcp(MccsCodes::kContrast, 2));
    const auto writes = monitor.writes();
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].code, MccsCodes::kBrightness);
    EXPECT_EQ(writes[1].code, MccsCodes::kContrast);
    EXPECT_EQ(writes[1].value, 2u);
}
