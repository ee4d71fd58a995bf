#pragma once

#include <cstdint>

// VCP codes of the VESA Monitor Control Command Set that the picture settings use.
namespace MccsCodes {

constexpr std::uint8_t kRestoreFactoryColorDefaults = 0x08;
constexpr std::uint8_t kBrightness = 0x10;
constexpr std::uint8_t kContrast = 0x12;
constexpr std::uint8_t kSelectColorPreset = 0x14;
constexpr std::uint8_t kRedGain = 0x16;
constexpr std::uint8_t kGreenGain = 0x18;
constexpr std::uint8_t kBlueGain = 0x1A;
constexpr std::uint8_t kSaveSettings = 0xB0;

// Values of kSelectColorPreset.
constexpr std::uint32_t kPresetSrgb = 1;
constexpr std::uint32_t kPreset4000K = 3;
constexpr std::uint32_t kPreset5000K = 4;
constexpr std::uint32_t kPreset6500K = 5;
constexpr std::uint32_t kPreset7500K = 6;
constexpr std::uint32_t kPreset9300K = 8;
constexpr std::uint32_t kPresetUser1 = 11;

} // namespace MccsCodes
