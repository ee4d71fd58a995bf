#include "engine/ddc/SimulatedDdcMonitor.h"

#include "engine/ddc/MccsCodes.h"

#include <algorithm>

namespace {

// The capability and temperature bits of the system's monitor configuration interface.
constexpr std::uint32_t kBrightnessBit = 0x2;
constexpr std::uint32_t kContrastBit = 0x4;
constexpr std::uint32_t kColorTemperatureBit = 0x8;
constexpr std::uint32_t kGainBit = 0x10;
constexpr std::uint32_t kRestoreFactoryColorBit = 0x800;
constexpr std::uint32_t kTemperatures4000To7500And9300 = 0x01 | 0x02 | 0x04 | 0x08 | 0x20;

constexpr std::uint32_t kControlMaximum = 100;
constexpr std::uint32_t kFactoryLevel = 50;
constexpr std::uint32_t kLastPresetValue = MccsCodes::kPresetUser1;

std::map<std::uint8_t, SimulatedDdcMonitor::VcpValue> factorySettings()
{
    return {
        {MccsCodes::kBrightness, {kFactoryLevel, kControlMaximum}},
        {MccsCodes::kContrast, {kFactoryLevel, kControlMaximum}},
        {MccsCodes::kSelectColorPreset, {MccsCodes::kPreset6500K, kLastPresetValue}},
        {MccsCodes::kRedGain, {kFactoryLevel, kControlMaximum}},
        {MccsCodes::kGreenGain, {kFactoryLevel, kControlMaximum}},
        {MccsCodes::kBlueGain, {kFactoryLevel, kControlMaximum}},
    };
}

// The codes that "restore factory colour defaults" resets; brightness and contrast are not colour.
constexpr std::uint8_t kColorCodes[] = {
    MccsCodes::kSelectColorPreset, MccsCodes::kRedGain, MccsCodes::kGreenGain, MccsCodes::kBlueGain,
};

std::uint8_t gainCode(IDdcChannel::Gain gain)
{
    switch (gain) {
    case IDdcChannel::Gain::Red:
        return MccsCodes::kRedGain;
    case IDdcChannel::Gain::Green:
        return MccsCodes::kGreenGain;
    case IDdcChannel::Gain::Blue:
        break;
    }
    return MccsCodes::kBlueGain;
}

// The VCP 0x14 value of a colour temperature (4000 K is 3, each step one more); 0 for none.
std::uint32_t presetValueOf(IDdcChannel::ColorTemperature temperature)
{
    const int step = int(temperature);
    return step == 0 ? 0 : std::uint32_t(step) + (MccsCodes::kPreset4000K - 1);
}

std::uint32_t temperatureBit(IDdcChannel::ColorTemperature temperature)
{
    const int step = int(temperature);
    return step == 0 ? 0 : 1u << (step - 1);
}

} // namespace

SimulatedDdcMonitor::SimulatedDdcMonitor()
    : capabilityBits(kBrightnessBit | kContrastBit | kColorTemperatureBit | kGainBit | kRestoreFactoryColorBit)
    , temperatureBits(kTemperatures4000To7500And9300)
    , values(factorySettings())
    , factoryValues(factorySettings())
{
}

void SimulatedDdcMonitor::setAnswering(bool isAnswering)
{
    std::lock_guard<std::mutex> lock(mutex);
    answering = isAnswering;
}

void SimulatedDdcMonitor::setFailingCode(std::uint8_t code, bool failing)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (failing)
        failingCodes.insert(code);
    else
        failingCodes.erase(code);
}

void SimulatedDdcMonitor::setCapabilities(std::uint32_t capabilities, std::uint32_t temperatures)
{
    std::lock_guard<std::mutex> lock(mutex);
    capabilityBits = capabilities;
    temperatureBits = temperatures;
}

void SimulatedDdcMonitor::setValue(std::uint8_t code, std::uint32_t current, std::uint32_t maximum)
{
    std::lock_guard<std::mutex> lock(mutex);
    values[code] = {current, maximum};
}

std::uint32_t SimulatedDdcMonitor::value(std::uint8_t code) const
{
    std::lock_guard<std::mutex> lock(mutex);
    const auto found = values.find(code);
    return found == values.end() ? 0 : found->second.current;
}

std::uint32_t SimulatedDdcMonitor::savedValue(std::uint8_t code) const
{
    std::lock_guard<std::mutex> lock(mutex);
    const auto found = savedValues.find(code);
    return found == savedValues.end() ? 0 : found->second.current;
}

std::vector<SimulatedDdcMonitor::VcpWrite> SimulatedDdcMonitor::writes() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return writeLog;
}

bool SimulatedDdcMonitor::capabilities(std::uint32_t &capabilities, std::uint32_t &temperatures)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!answering)
        return false;
    capabilities = capabilityBits;
    temperatures = temperatureBits;
    return true;
}

bool SimulatedDdcMonitor::brightness(std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum)
{
    return readControl(MccsCodes::kBrightness, minimum, current, maximum);
}

bool SimulatedDdcMonitor::contrast(std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum)
{
    return readControl(MccsCodes::kContrast, minimum, current, maximum);
}

bool SimulatedDdcMonitor::gain(Gain gain, std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum)
{
    return readControl(gainCode(gain), minimum, current, maximum);
}

bool SimulatedDdcMonitor::setColorTemperature(ColorTemperature temperature)
{
    std::lock_guard<std::mutex> lock(mutex);
    const std::uint32_t value = presetValueOf(temperature);
    const bool supported = (capabilityBits & kColorTemperatureBit) && (temperatureBits & temperatureBit(temperature));
    return supported && reachable(MccsCodes::kSelectColorPreset)
            && applyWrite(MccsCodes::kSelectColorPreset, value);
}

bool SimulatedDdcMonitor::readVcp(std::uint8_t code, std::uint32_t &current, std::uint32_t &maximum)
{
    std::uint32_t minimum = 0;
    return readControl(code, minimum, current, maximum);
}

bool SimulatedDdcMonitor::writeVcp(std::uint8_t code, std::uint32_t value)
{
    std::lock_guard<std::mutex> lock(mutex);
    writeLog.push_back({code, value});
    return reachable(code) && applyWrite(code, value);
}

bool SimulatedDdcMonitor::reachable(std::uint8_t code) const
{
    return answering && failingCodes.count(code) == 0;
}

bool SimulatedDdcMonitor::readControl(std::uint8_t code, std::uint32_t &minimum, std::uint32_t &current,
                                      std::uint32_t &maximum)
{
    std::lock_guard<std::mutex> lock(mutex);
    const auto found = values.find(code);
    if (!reachable(code) || found == values.end())
        return false;
    minimum = 0;
    current = found->second.current;
    maximum = found->second.maximum;
    return true;
}

bool SimulatedDdcMonitor::applyWrite(std::uint8_t code, std::uint32_t value)
{
    if (code == MccsCodes::kRestoreFactoryColorDefaults) {
        if (value != 0)
            restoreFactoryColor();
        return true;
    }
    if (code == MccsCodes::kSaveSettings) {
        savedValues = values;
        return true;
    }
    const auto found = values.find(code);
    if (found == values.end())
        return false;
    // Like a monitor's own controls, a value past the end stops at the end.
    found->second.current = std::min(value, found->second.maximum);
    return true;
}

void SimulatedDdcMonitor::restoreFactoryColor()
{
    for (std::uint8_t code : kColorCodes)
        values[code] = factoryValues.at(code);
}
