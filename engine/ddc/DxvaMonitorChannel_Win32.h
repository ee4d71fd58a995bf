#pragma once

#include "engine/ddc/IDdcChannel.h"

#include <windows.h>

// DDC/CI requests to one physical monitor through the system's monitor configuration
// interface (dxva2). The handle stays owned by whoever listed the physical monitor.
class DxvaMonitorChannel_Win32 : public IDdcChannel
{
public:
    explicit DxvaMonitorChannel_Win32(HANDLE physicalMonitor);

    bool capabilities(std::uint32_t &capabilities, std::uint32_t &temperatures) override;
    bool brightness(std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum) override;
    bool contrast(std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum) override;
    bool gain(Gain gain, std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum) override;
    bool setColorTemperature(ColorTemperature temperature) override;
    bool readVcp(std::uint8_t code, std::uint32_t &current, std::uint32_t &maximum) override;
    bool writeVcp(std::uint8_t code, std::uint32_t value) override;

private:
    const HANDLE monitor;
};
