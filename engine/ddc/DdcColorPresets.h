#pragma once

#include <cstdint>

// The colour preset flags of IDDCInterface against the values of VCP 0x14 (Select Color Preset).
class DdcColorPresets
{
public:
    // The VCP 0x14 value of a preset flag; 0 for a flag outside the table.
    static std::uint32_t vcpValue(int preset);
    // The preset flag of a VCP 0x14 value; NoPreset for a value outside the table.
    static int preset(std::uint32_t vcpValue);
};
