#pragma once

#include <cstdint>
#include <vector>

// The picture settings of one pen display over DDC/CI: brightness, contrast, red/green/blue gain
// and the colour preset. `init` binds the object to a display by its enumeration index; every
// other operation then addresses the first physical monitor behind it, and answers false (or 0)
// while there is none.
class IDDCInterface
{
public:
    // Bits of `capabilities`.
    enum Capability : std::uint32_t {
        CapabilityBrightness = 0x2,
        CapabilityContrast = 0x4,
        CapabilityColorTemperature = 0x8,
    };

    // The colour preset flags that `colorPreset` and `setColorPreset` speak.
    enum ColorPreset : int {
        NoPreset = 0,
        PresetSrgb = 1,
        Preset4000K = 2,
        Preset5000K = 4,
        Preset6500K = 8,
        Preset7500K = 16,
        Preset9300K = 32,
        PresetUser = 240,
    };

    enum class Gain { Red, Green, Blue };

    // Displays past the eighth are not listed, as in the display manager.
    static constexpr int kMaxDisplays = 8;

    virtual ~IDDCInterface() = default;

    // Binds to the display of that index (the display manager's order); true when a physical
    // monitor behind it answers over DDC/CI.
    virtual bool init(int monitorIndex) = 0;
    // The Capability bits the monitor reports; 0 when it reports none or cannot be asked.
    virtual std::uint32_t capabilities() = 0;
    virtual bool brightness(std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum) = 0;
    virtual bool contrast(std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum) = 0;
    // Each vector becomes {minimum, current, maximum}; true when all three gains were read.
    virtual bool gains(std::vector<std::uint32_t> &red, std::vector<std::uint32_t> &green,
                       std::vector<std::uint32_t> &blue) = 0;
    // The ColorPreset of the monitor's current colour preset; NoPreset for one outside the table.
    virtual int colorPreset() = 0;
    // The writes that change the picture take effect in the monitor only after a pause, which
    // these make on the caller's thread.
    virtual bool setBrightness(std::uint32_t value) = 0;
    virtual bool setContrast(std::uint32_t value) = 0;
    virtual bool setColorPreset(int preset) = 0;
    // Writes each gain that is not 0; true when the last write made succeeded.
    virtual bool setGains(std::uint32_t red, std::uint32_t green, std::uint32_t blue) = 0;
    // Writes one gain, 0 included (setGains cannot lower a gain to 0).
    virtual bool setGain(Gain gain, std::uint32_t value) = 0;
    virtual bool restoreFactoryColor() = 0;
    virtual bool saveSettings() = 0;
};
