#include "engine/ddc/DxvaMonitorChannel_Win32.h"

#include <highlevelmonitorconfigurationapi.h>

#if __has_include(<lowlevelmonitorconfigurationapi.h>)
#include <lowlevelmonitorconfigurationapi.h>
#else
// mingw-w64 has the import library of these two but not their header.
extern "C" {
typedef enum _MC_VCP_CODE_TYPE { MC_MOMENTARY, MC_SET_PARAMETER } MC_VCP_CODE_TYPE, *LPMC_VCP_CODE_TYPE;
BOOL WINAPI GetVCPFeatureAndVCPFeatureReply(HANDLE hMonitor, BYTE bVCPCode, LPMC_VCP_CODE_TYPE pvct,
                                            LPDWORD pdwCurrentValue, LPDWORD pdwMaximumValue);
BOOL WINAPI SetVCPFeature(HANDLE hMonitor, BYTE bVCPCode, DWORD dwNewValue);
}
#endif

namespace {

using RangeRead = BOOL(WINAPI *)(HANDLE, LPDWORD, LPDWORD, LPDWORD);

bool readRange(RangeRead read, HANDLE monitor, std::uint32_t &minimum, std::uint32_t &current,
               std::uint32_t &maximum)
{
    DWORD low = 0, now = 0, high = 0;
    if (!read(monitor, &low, &now, &high))
        return false;
    minimum = low;
    current = now;
    maximum = high;
    return true;
}

MC_GAIN_TYPE gainType(IDdcChannel::Gain gain)
{
    switch (gain) {
    case IDdcChannel::Gain::Red:
        return MC_RED_GAIN;
    case IDdcChannel::Gain::Green:
        return MC_GREEN_GAIN;
    case IDdcChannel::Gain::Blue:
        break;
    }
    return MC_BLUE_GAIN;
}

} // namespace

DxvaMonitorChannel_Win32::DxvaMonitorChannel_Win32(HANDLE physicalMonitor)
    : monitor(physicalMonitor)
{
}

bool DxvaMonitorChannel_Win32::capabilities(std::uint32_t &capabilities, std::uint32_t &temperatures)
{
    DWORD bits = 0, supported = 0;
    if (!GetMonitorCapabilities(monitor, &bits, &supported))
        return false;
    capabilities = bits;
    temperatures = supported;
    return true;
}

bool DxvaMonitorChannel_Win32::brightness(std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum)
{
    return readRange(GetMonitorBrightness, monitor, minimum, current, maximum);
}

bool DxvaMonitorChannel_Win32::contrast(std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum)
{
    return readRange(GetMonitorContrast, monitor, minimum, current, maximum);
}

bool DxvaMonitorChannel_Win32::gain(Gain gain, std::uint32_t &minimum, std::uint32_t &current,
                                    std::uint32_t &maximum)
{
    DWORD low = 0, now = 0, high = 0;
    if (!GetMonitorRedGreenOrBlueGain(monitor, gainType(gain), &low, &now, &high))
        return false;
    minimum = low;
    current = now;
    maximum = high;
    return true;
}

bool DxvaMonitorChannel_Win32::setColorTemperature(ColorTemperature temperature)
{
    return SetMonitorColorTemperature(monitor, MC_COLOR_TEMPERATURE(int(temperature)));
}

bool DxvaMonitorChannel_Win32::readVcp(std::uint8_t code, std::uint32_t &current, std::uint32_t &maximum)
{
    MC_VCP_CODE_TYPE type = MC_SET_PARAMETER;
    DWORD now = 0, high = 0;
    if (!GetVCPFeatureAndVCPFeatureReply(monitor, code, &type, &now, &high))
        return false;
    current = now;
    maximum = high;
    return true;
}

bool DxvaMonitorChannel_Win32::writeVcp(std::uint8_t code, std::uint32_t value)
{
    return SetVCPFeature(monitor, code, value);
}
