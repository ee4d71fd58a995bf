#pragma once

#include "engine/ddc/IDDCInterface.h"
#include "engine/ddc/IDdcChannel.h"

#include <chrono>
#include <functional>
#include <memory>

// The picture-setting operations of IDDCInterface over one DDC/CI channel; what a channel is
// and how `init` finds it is left to the system's and the simulated implementation.
class DdcChannelInterface : public IDDCInterface
{
public:
    using Pause = std::function<void(std::chrono::milliseconds)>;
    // How long a monitor needs after a write that changes the picture.
    static constexpr std::chrono::milliseconds kSettleTime{300};

    // `pause` waits on the caller's thread; tests pass one that only records.
    explicit DdcChannelInterface(Pause pause = sleep);

    std::uint32_t capabilities() override;
    bool brightness(std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum) override;
    bool contrast(std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum) override;
    bool gains(std::vector<std::uint32_t> &red, std::vector<std::uint32_t> &green,
               std::vector<std::uint32_t> &blue) override;
    int colorPreset() override;
    bool setBrightness(std::uint32_t value) override;
    bool setContrast(std::uint32_t value) override;
    bool setColorPreset(int preset) override;
    bool setGains(std::uint32_t red, std::uint32_t green, std::uint32_t blue) override;
    bool setGain(Gain gain, std::uint32_t value) override;
    bool restoreFactoryColor() override;
    bool saveSettings() override;

    static void sleep(std::chrono::milliseconds duration);

protected:
    // Uses `candidate` from now on when it answers a capabilities request; else no channel.
    bool bindChannel(std::shared_ptr<IDdcChannel> candidate);
    void unbindChannel();

private:
    bool readGain(IDdcChannel::Gain gain, std::vector<std::uint32_t> &values);
    bool writeAndSettle(std::uint8_t code, std::uint32_t value);

    std::shared_ptr<IDdcChannel> channel;
    const Pause pause;
};
