#pragma once

#include <cstdint>

// The DDC/CI requests to one physical monitor, as the system's monitor configuration interface
// offers them: the seam between the DDC/CI logic and dxva2 (or a simulated monitor).
class IDdcChannel
{
public:
    enum class Gain { Red, Green, Blue };
    // The colour temperatures of the system's monitor configuration interface, in its order.
    enum class ColorTemperature {
        Unknown, K4000, K5000, K6500, K7500, K8200, K9300, K10000, K11500,
    };

    virtual ~IDdcChannel() = default;

    // The system's capability and supported-temperature bits.
    virtual bool capabilities(std::uint32_t &capabilities, std::uint32_t &temperatures) = 0;
    virtual bool brightness(std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum) = 0;
    virtual bool contrast(std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum) = 0;
    virtual bool gain(Gain gain, std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum) = 0;
    virtual bool setColorTemperature(ColorTemperature temperature) = 0;
    virtual bool readVcp(std::uint8_t code, std::uint32_t &current, std::uint32_t &maximum) = 0;
    virtual bool writeVcp(std::uint8_t code, std::uint32_t value) = 0;
};
