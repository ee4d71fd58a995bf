#pragma once

// What an IDDCInterface without a monitor answers: nothing, to every read and every write.
#include "engine/ddc/IDDCInterface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

inline void expectNothingAnswers(IDDCInterface &ddc)
{
    std::uint32_t a = 0, b = 0, c = 0;
    std::vector<std::uint32_t> red, green, blue;
    EXPECT_EQ(ddc.capabilities(), 0u);
    EXPECT_FALSE(ddc.brightness(a, b, c));
    EXPECT_FALSE(ddc.contrast(a, b, c));
    EXPECT_FALSE(ddc.gains(red, green, blue));
    EXPECT_EQ(ddc.colorPreset(), IDDCInterface::NoPreset);
    EXPECT_FALSE(ddc.setBrightness(10));
    EXPECT_FALSE(ddc.setContrast(10));
    EXPECT_FALSE(ddc.setColorPreset(IDDCInterface::PresetSrgb));
    EXPECT_FALSE(ddc.setColorPreset(IDDCInterface::Preset4000K));
    EXPECT_FALSE(ddc.setColorPreset(IDDCInterface::Preset6500K));
    EXPECT_FALSE(ddc.setGains(1, 2, 3));
    EXPECT_FALSE(ddc.setGains(0, 0, 0));
    EXPECT_FALSE(ddc.setGain(IDDCInterface::Gain::Red, 0));
    EXPECT_FALSE(ddc.setGain(IDDCInterface::Gain::Blue, 10));
    EXPECT_FALSE(ddc.restoreFactoryColor());
    EXPECT_FALSE(ddc.saveSettings());
}
