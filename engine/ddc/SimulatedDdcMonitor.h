#pragma once

#include "engine/ddc/IDdcChannel.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <vector>

// A monitor that answers DDC/CI from VCP values it keeps, for tests and for runs without a
// pen display. It starts as a pen display at its factory settings; brightness, contrast and the
// gains run from 0 to 100. Every operation may be called from any thread.
class SimulatedDdcMonitor : public IDdcChannel
{
public:
    struct VcpValue
    {
        std::uint32_t current = 0;
        std::uint32_t maximum = 0;
    };
    struct VcpWrite
    {
        std::uint8_t code = 0;
        std::uint32_t value = 0;
    };

    SimulatedDdcMonitor();

    // A monitor that does not answer fails every request, as one without DDC/CI does.
    void setAnswering(bool answering);
    // Requests for this code (and the reads of the control behind it) fail from now on.
    void setFailingCode(std::uint8_t code, bool failing);
    void setCapabilities(std::uint32_t capabilities, std::uint32_t temperatures);
    // Sets a control as the monitor's own menu would, without a write being logged.
    void setValue(std::uint8_t code, std::uint32_t current, std::uint32_t maximum);

    // The current value of a control; 0 for one the monitor does not have.
    std::uint32_t value(std::uint8_t code) const;
    // The value stored by the last save-settings request; 0 before one or for an unknown code.
    std::uint32_t savedValue(std::uint8_t code) const;
    // Every VCP write request that reached the monitor, in order, failed ones included. A colour
    // temperature request is not one, though the monitor answers it by changing its preset.
    std::vector<VcpWrite> writes() const;

    bool capabilities(std::uint32_t &capabilities, std::uint32_t &temperatures) override;
    bool brightness(std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum) override;
    bool contrast(std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum) override;
    bool gain(Gain gain, std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum) override;
    bool setColorTemperature(ColorTemperature temperature) override;
    bool readVcp(std::uint8_t code, std::uint32_t &current, std::uint32_t &maximum) override;
    bool writeVcp(std::uint8_t code, std::uint32_t value) override;

private:
    bool reachable(std::uint8_t code) const;
    bool readControl(std::uint8_t code, std::uint32_t &minimum, std::uint32_t &current, std::uint32_t &maximum);
    bool applyWrite(std::uint8_t code, std::uint32_t value);
    void restoreFactoryColor();

    mutable std::mutex mutex;
    bool answering = true;
    std::uint32_t capabilityBits;
    std::uint32_t temperatureBits;
    std::set<std::uint8_t> failingCodes;
    std::map<std::uint8_t, VcpValue> values;
    const std::map<std::uint8_t, VcpValue> factoryValues;
    std::map<std::uint8_t, VcpValue> savedValues;
    std::vector<VcpWrite> writeLog;
};
