#include "engine/ddc/DdcChannelInterface.h"

#include "engine/ddc/DdcColorPresets.h"
#include "engine/ddc/MccsCodes.h"

#include <thread>
#include <utility>

namespace {

constexpr std::uint32_t kReportedCapabilities = IDDCInterface::CapabilityBrightness
        | IDDCInterface::CapabilityContrast | IDDCInterface::CapabilityColorTemperature;

struct GainWrite
{
    std::uint8_t code;
    std::uint32_t value;
};

std::uint8_t gainCode(IDDCInterface::Gain gain)
{
    switch (gain) {
    case IDDCInterface::Gain::Red:
        return MccsCodes::kRedGain;
    case IDDCInterface::Gain::Green:
        return MccsCodes::kGreenGain;
    case IDDCInterface::Gain::Blue:
        break;
    }
    return MccsCodes::kBlueGain;
}

} // namespace

DdcChannelInterface::DdcChannelInterface(Pause pause)
    : pause(std::move(pause))
{
}

void DdcChannelInterface::sleep(std::chrono::milliseconds duration)
{
    std::this_thread::sleep_for(duration);
}

bool DdcChannelInterface::bindChannel(std::shared_ptr<IDdcChannel> candidate)
{
    channel.reset();
    std::uint32_t bits = 0;
    std::uint32_t temperatures = 0;
    if (!candidate || !candidate->capabilities(bits, temperatures))
        return false;
    channel = std::move(candidate);
    return true;
}

void DdcChannelInterface::unbindChannel()
{
    channel.reset();
}

std::uint32_t DdcChannelInterface::capabilities()
{
    std::uint32_t bits = 0;
    std::uint32_t temperatures = 0;
    if (!channel || !channel->capabilities(bits, temperatures))
        return 0;
    return bits & kReportedCapabilities;
}

bool DdcChannelInterface::brightness(std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum)
{
    return channel && channel->brightness(minimum, current, maximum);
}

bool DdcChannelInterface::contrast(std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum)
{
    return channel && channel->contrast(minimum, current, maximum);
}

bool DdcChannelInterface::gains(std::vector<std::uint32_t> &red, std::vector<std::uint32_t> &green,
                                std::vector<std::uint32_t> &blue)
{
    if (!channel)
        return false;
    // Every gain is read even after a failure, so the caller sees all that could be read.
    const bool redRead = readGain(IDdcChannel::Gain::Red, red);
    const bool greenRead = readGain(IDdcChannel::Gain::Green, green);
    const bool blueRead = readGain(IDdcChannel::Gain::Blue, blue);
    return redRead && greenRead && blueRead;
}

bool DdcChannelInterface::readGain(IDdcChannel::Gain gain, std::vector<std::uint32_t> &values)
{
    values.assign(3, 0);
    return channel->gain(gain, values[0], values[1], values[2]);
}

int DdcChannelInterface::colorPreset()
{
    std::uint32_t current = 0;
    std::uint32_t maximum = 0;
    if (!channel || !channel->readVcp(MccsCodes::kSelectColorPreset, current, maximum))
        return NoPreset;
    return DdcColorPresets::preset(current);
}

bool DdcChannelInterface::setBrightness(std::uint32_t value)
{
    return channel && writeAndSettle(MccsCodes::kBrightness, value);
}

bool DdcChannelInterface::setContrast(std::uint32_t value)
{
    return channel && writeAndSettle(MccsCodes::kContrast, value);
}

bool DdcChannelInterface::setColorPreset(int preset)
{
    if (!channel)
        return false;
    if (preset == Preset4000K)
        return channel->setColorTemperature(IDdcChannel::ColorTemperature::K4000);
    const std::uint32_t value = DdcColorPresets::vcpValue(preset);
    return value != 0 && channel->writeVcp(MccsCodes::kSelectColorPreset, value);
}

bool DdcChannelInterface::setGains(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    if (!channel)
        return false;
    const GainWrite writes[] = {
        {MccsCodes::kRedGain, red},
        {MccsCodes::kGreenGain, green},
        {MccsCodes::kBlueGain, blue},
    };
    bool lastWritten = false;
    for (const GainWrite &write : writes) {
        if (write.value != 0)
            lastWritten = channel->writeVcp(write.code, write.value);
    }
    pause(kSettleTime);
    return lastWritten;
}

bool DdcChannelInterface::setGain(Gain gain, std::uint32_t value)
{
    return channel && writeAndSettle(gainCode(gain), value);
}

bool DdcChannelInterface::restoreFactoryColor()
{
    return channel && writeAndSettle(MccsCodes::kRestoreFactoryColorDefaults, 1);
}

bool DdcChannelInterface::saveSettings()
{
    return channel && writeAndSettle(MccsCodes::kSaveSettings, 1);
}

bool DdcChannelInterface::writeAndSettle(std::uint8_t code, std::uint32_t value)
{
    const bool written = channel->writeVcp(code, value);
    pause(kSettleTime);
    return written;
}
