#include "engine/hid/simulated/SimulatedHidHandle.h"

#include <utility>

SimulatedHidHandle::SimulatedHidHandle(std::shared_ptr<SimulatedHidBusState> bus,
                                       std::shared_ptr<SimulatedHidBusState::Connection> connection,
                                       const HidAttributes &attributes,
                                       const HidCapabilities &capabilities)
    : bus(std::move(bus)),
      connection(std::move(connection)),
      deviceAttributes(attributes),
      deviceCapabilities(capabilities)
{
}

SimulatedHidHandle::~SimulatedHidHandle()
{
    close();
}

HidIoStatus SimulatedHidHandle::indexedString(std::uint32_t index,
                                              std::vector<std::uint8_t> &buffer)
{
    return bus->indexedString(*connection, index, buffer);
}

HidIoStatus SimulatedHidHandle::read(std::vector<std::uint8_t> &buffer,
                                     std::chrono::milliseconds timeout)
{
    return bus->read(*connection, buffer, timeout);
}

HidIoStatus SimulatedHidHandle::write(const std::uint8_t *report, std::size_t size,
                                      std::chrono::milliseconds timeout)
{
    return bus->write(*connection, report, size, timeout);
}

void SimulatedHidHandle::close()
{
    bus->disconnect(*connection);
}
