#pragma once

#include "engine/hid/IHidHandle.h"
#include "engine/hid/simulated/SimulatedHidBusState.h"

#include <memory>

// A handle open on a device of the simulated HID bus.
class SimulatedHidHandle : public IHidHandle
{
public:
    SimulatedHidHandle(std::shared_ptr<SimulatedHidBusState> bus,
                       std::shared_ptr<SimulatedHidBusState::Connection> connection,
                       const HidAttributes &attributes, const HidCapabilities &capabilities);
    ~SimulatedHidHandle() override;

    HidAttributes attributes() const override { return deviceAttributes; }
    HidCapabilities capabilities() const override { return deviceCapabilities; }
    HidIoStatus indexedString(std::uint32_t index, std::vector<std::uint8_t> &buffer) override;
    HidIoStatus read(std::vector<std::uint8_t> &buffer, std::chrono::milliseconds timeout) override;
    HidIoStatus write(const std::uint8_t *report, std::size_t size,
                      std::chrono::milliseconds timeout) override;
    void close() override;

private:
    const std::shared_ptr<SimulatedHidBusState> bus;
    const std::shared_ptr<SimulatedHidBusState::Connection> connection;
    const HidAttributes deviceAttributes;
    const HidCapabilities deviceCapabilities;
};
