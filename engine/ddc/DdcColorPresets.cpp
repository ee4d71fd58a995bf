#include "engine/ddc/DdcColorPresets.h"

#include "engine/ddc/IDDCInterface.h"
#include "engine/ddc/MccsCodes.h"

namespace {

struct PresetValue
{
    int preset;
    std::uint32_t vcpValue;
};

constexpr PresetValue kTable[] = {
    {IDDCInterface::PresetSrgb, MccsCodes::kPresetSrgb},
    {IDDCInterface::Preset4000K, MccsCodes::kPreset4000K},
    {IDDCInterface::Preset5000K, MccsCodes::kPreset5000K},
    {IDDCInterface::Preset6500K, MccsCodes::kPreset6500K},
    {IDDCInterface::Preset7500K, MccsCodes::kPreset7500K},
    {IDDCInterface::Preset9300K, MccsCodes::kPreset9300K},
    {IDDCInterface::PresetUser, MccsCodes::kPresetUser1},
};

} // namespace

std::uint32_t DdcColorPresets::vcpValue(int preset)
{
    for (const PresetValue &row : kTable) {
        if (row.preset == preset)
            return row.vcpValue;
    }
    return 0;
}

int DdcColorPresets::preset(std::uint32_t vcpValue)
{
    for (const PresetValue &row : kTable) {
        if (row.vcpValue == vcpValue)
            return row.preset;
    }
    return IDDCInterface::NoPreset;
}
