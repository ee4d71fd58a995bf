#include "engine/hid/simulated/SimulatedHidBus.h"

#include "engine/hid/simulated/SimulatedHidHandle.h"

SimulatedHidBus::SimulatedHidBus() : state(std::make_shared<SimulatedHidBusState>())
{
}

SimulatedHidBus::~SimulatedHidBus()
{
    state->removeAll();
}

SimulatedHidBus::AddResult SimulatedHidBus::addDevice(const SimulatedHidDevice &device)
{
    return state->add(device);
}

bool SimulatedHidBus::feedReport(const std::string &path, const std::vector<std::uint8_t> &report,
                                 std::chrono::steady_clock::time_point *queuedAt)
{
    return state->feed(path, report, queuedAt);
}

bool SimulatedHidBus::removeDevice(const std::string &path)
{
    return state->remove(path);
}

bool SimulatedHidBus::setWritesStalled(const std::string &path, bool stalled)
{
    return state->setWritesStalled(path, stalled);
}

bool SimulatedHidBus::setReadsFailing(const std::string &path, bool failing)
{
    return state->setReadsFailing(path, failing);
}

std::vector<SimulatedOutputReport> SimulatedHidBus::writtenReports(const std::string &path) const
{
    return state->writtenReports(path);
}

bool SimulatedHidBus::waitForWrittenReports(const std::string &path, std::size_t count,
                                            std::chrono::milliseconds timeout) const
{
    return state->waitForWrittenReports(path, count, timeout);
}

bool SimulatedHidBus::waitForReplayEnd(const std::string &path,
                                       std::chrono::milliseconds timeout) const
{
    return state->waitForReplayEnd(path, timeout);
}

std::size_t SimulatedHidBus::openHandleCount(const std::string &path) const
{
    return state->connectionCount(path);
}

std::vector<std::size_t> SimulatedHidBus::readCounts(const std::string &path) const
{
    return state->readCounts(path);
}

std::vector<HidInterface> SimulatedHidBus::enumerateInterfaces()
{
    return state->interfaces();
}

std::unique_ptr<IHidHandle> SimulatedHidBus::open(const std::string &path)
{
    HidAttributes attributes;
    HidCapabilities capabilities;
    auto connection = state->connect(path, attributes, capabilities);
    if (!connection)
        return nullptr;
    return std::make_unique<SimulatedHidHandle>(state, std::move(connection), attributes,
                                                capabilities);
}
