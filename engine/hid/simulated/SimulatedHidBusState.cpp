#include "engine/hid/simulated/SimulatedHidBusState.h"

#include "engine/device/TabletInterfacePath.h"
#include "engine/hid/simulated/SimulatedHidDescription.h"

#include <QFile>

#include <algorithm>
#include <thread>
#include <utility>

using Clock = std::chrono::steady_clock;

struct SimulatedHidBusState::Device
{
    explicit Device(const SimulatedHidDevice &description)
        : description(description),
          upperPath(TabletInterfacePath::toUpper(description.path))
    {
    }

    const SimulatedHidDevice description;
    const std::string upperPath;
    bool removed = false;
    bool readStarted = false;
    bool replayEnded = false;
    bool writesStalled = false;
    bool readsFailing = false;
    bool opened = false;
    Clock::time_point firstOpenedAt;
    std::vector<SimulatedOutputReport> written;
    std::unique_ptr<QFile> outputLog;
    std::vector<std::shared_ptr<Connection>> connections;
    std::thread replay;
};

namespace {

// Long enough for any caller, short enough that adding it to the clock cannot overflow.
std::chrono::milliseconds boundedTimeout(std::chrono::milliseconds timeout)
{
    const std::chrono::milliseconds longest = std::chrono::hours(24);
    return std::clamp(timeout, std::chrono::milliseconds(0), longest);
}

std::unique_ptr<QFile> createOutputLog(const QString &path)
{
    auto log = std::make_unique<QFile>(path);
    if (!log->open(QIODevice::WriteOnly | QIODevice::Truncate))
        return nullptr;
    return log;
}

} // namespace

SimulatedHidBusState::~SimulatedHidBusState()
{
    removeAll();
}

SimulatedHidBusState::AddResult SimulatedHidBusState::add(const SimulatedHidDevice &description)
{
    auto device = std::make_shared<Device>(description);
    std::lock_guard<SlimMutex> lock(mutex);
    for (const std::shared_ptr<Device> &present : devices) {
        if (present->upperPath == device->upperPath)
            return AddResult::PathInUse;
    }
    if (!description.outputLogPath.isEmpty()) {
        device->outputLog = createOutputLog(description.outputLogPath);
        if (!device->outputLog)
            return AddResult::OutputLogNotWritable;
    }
    if (!description.inputReports.empty())
        device->replay = std::thread([this, device] { replay(device); });
    devices.push_back(std::move(device));
    return AddResult::Added;
}

bool SimulatedHidBusState::feed(const std::string &path, const std::vector<std::uint8_t> &report,
                                Clock::time_point *queuedAt)
{
    std::lock_guard<SlimMutex> lock(mutex);
    const std::shared_ptr<Device> device = find(path);
    if (!device || report.empty())
        return false;
    const std::size_t length = device->description.inputReportLength;
    if (length != 0 && report.size() > length)
        return false;
    deliver(*device, report);
    if (queuedAt)
        *queuedAt = Clock::now();
    return true;
}

bool SimulatedHidBusState::remove(const std::string &path)
{
    std::thread replaying;
    {
        std::lock_guard<SlimMutex> lock(mutex);
        const std::shared_ptr<Device> device = find(path);
        if (!device)
            return false;
        device->removed = true;
        device->outputLog.reset();
        replaying = std::move(device->replay);
        devices.erase(std::find(devices.begin(), devices.end(), device));
    }
    wake.notifyAll();
    readable.notifyAll();
    if (replaying.joinable())
        replaying.join();
    return true;
}

void SimulatedHidBusState::removeAll()
{
    std::vector<std::thread> replaying;
    {
        std::lock_guard<SlimMutex> lock(mutex);
        for (const std::shared_ptr<Device> &device : devices) {
            device->removed = true;
            device->outputLog.reset();
            replaying.push_back(std::move(device->replay));
        }
        devices.clear();
    }
    wake.notifyAll();
    readable.notifyAll();
    for (std::thread &thread : replaying) {
        if (thread.joinable())
            thread.join();
    }
}

bool SimulatedHidBusState::setWritesStalled(const std::string &path, bool stalled)
{
    {
        std::lock_guard<SlimMutex> lock(mutex);
        const std::shared_ptr<Device> device = find(path);
        if (!device)
            return false;
        device->writesStalled = stalled;
    }
    wake.notifyAll();
    return true;
}

bool SimulatedHidBusState::setReadsFailing(const std::string &path, bool failing)
{
    {
        std::lock_guard<SlimMutex> lock(mutex);
        const std::shared_ptr<Device> device = find(path);
        if (!device)
            return false;
        device->readsFailing = failing;
    }
    readable.notifyAll();
    return true;
}

std::vector<HidInterface> SimulatedHidBusState::interfaces() const
{
    std::lock_guard<SlimMutex> lock(mutex);
    std::vector<HidInterface> found;
    for (const std::shared_ptr<Device> &device : devices)
        found.push_back({device->description.path, device->description.hardwareIds});
    return found;
}

std::shared_ptr<SimulatedHidBusState::Connection> SimulatedHidBusState::connect(
        const std::string &path, HidAttributes &attributes, HidCapabilities &capabilities)
{
    std::lock_guard<SlimMutex> lock(mutex);
    const std::shared_ptr<Device> device = find(path);
    if (!device)
        return nullptr;
    if (!device->opened) {
        device->opened = true;
        device->firstOpenedAt = Clock::now();
    }
    auto connection = std::make_shared<Connection>();
    connection->device = device;
    device->connections.push_back(connection);
    const SimulatedHidDevice &description = device->description;
    attributes.vendorId = description.vendorId;
    attributes.productId = description.productId;
    capabilities.usagePage = description.usagePage;
    capabilities.inputReportLength = description.inputReportLength;
    capabilities.outputReportLength = description.outputReportLength;
    return connection;
}

HidIoStatus SimulatedHidBusState::read(Connection &connection, std::vector<std::uint8_t> &buffer,
                                       std::chrono::milliseconds timeout)
{
    std::unique_lock<SlimMutex> lock(mutex);
    Device &device = *connection.device;
    if (!device.readStarted) {
        device.readStarted = true;
        wake.notifyAll();
    }
    ++connection.reads;
    const std::size_t length = device.description.inputReportLength;
    if (unusable(connection) || device.readsFailing || buffer.empty() || buffer.size() < length)
        return HidIoStatus::Failed;
    readable.waitFor(lock, boundedTimeout(timeout), [&] {
        return !connection.reports.empty() || unusable(connection) || device.readsFailing;
    });
    if (unusable(connection) || device.readsFailing)
        return HidIoStatus::Failed;
    if (connection.reports.empty())
        return HidIoStatus::TimedOut;
    const std::vector<std::uint8_t> report = std::move(connection.reports.front());
    connection.reports.pop_front();
    const std::size_t received = std::min(report.size(), buffer.size());
    std::copy_n(report.begin(), received, buffer.begin());
    buffer.resize(received);
    return HidIoStatus::Completed;
}

HidIoStatus SimulatedHidBusState::write(Connection &connection, const std::uint8_t *report,
                                        std::size_t size, std::chrono::milliseconds timeout)
{
    std::unique_lock<SlimMutex> lock(mutex);
    Device &device = *connection.device;
    const std::size_t length = device.description.outputReportLength;
    if (unusable(connection) || !report || size == 0 || (length != 0 && size != length))
        return HidIoStatus::Failed;
    const bool accepted = wake.waitFor(lock, boundedTimeout(timeout), [&] {
        return !device.writesStalled || unusable(connection);
    });
    if (unusable(connection))
        return HidIoStatus::Failed;
    if (!accepted)
        return HidIoStatus::TimedOut;
    record(device, report, size);
    lock.unlock();
    wake.notifyAll();
    return HidIoStatus::Completed;
}

HidIoStatus SimulatedHidBusState::indexedString(Connection &connection, std::uint32_t index,
                                                std::vector<std::uint8_t> &buffer)
{
    std::lock_guard<SlimMutex> lock(mutex);
    if (unusable(connection) || buffer.empty())
        return HidIoStatus::Failed;
    const auto &strings = connection.device->description.indexedStrings;
    const auto found = strings.find(index);
    if (found == strings.end())
        return HidIoStatus::Failed;
    std::fill(buffer.begin(), buffer.end(), std::uint8_t(0));
    std::copy_n(found->second.begin(), std::min(found->second.size(), buffer.size()),
                buffer.begin());
    return HidIoStatus::Completed;
}

void SimulatedHidBusState::disconnect(Connection &connection)
{
    {
        std::lock_guard<SlimMutex> lock(mutex);
        if (connection.closed)
            return;
        connection.closed = true;
        connection.reports.clear();
        auto &connections = connection.device->connections;
        connections.erase(std::remove_if(connections.begin(), connections.end(),
                                         [&](const std::shared_ptr<Connection> &open) {
                                             return open.get() == &connection;
                                         }),
                          connections.end());
    }
    wake.notifyAll();
    readable.notifyAll();
}

std::vector<SimulatedOutputReport> SimulatedHidBusState::writtenReports(
        const std::string &path) const
{
    std::lock_guard<SlimMutex> lock(mutex);
    const std::shared_ptr<Device> device = find(path);
    return device ? device->written : std::vector<SimulatedOutputReport>();
}

bool SimulatedHidBusState::waitForWrittenReports(const std::string &path, std::size_t count,
                                                 std::chrono::milliseconds timeout) const
{
    std::unique_lock<SlimMutex> lock(mutex);
    const std::shared_ptr<Device> device = find(path);
    if (!device)
        return false;
    return wake.waitFor(lock, boundedTimeout(timeout), [&] {
        return device->written.size() >= count || device->removed;
    }) && device->written.size() >= count;
}

bool SimulatedHidBusState::waitForReplayEnd(const std::string &path,
                                            std::chrono::milliseconds timeout) const
{
    std::unique_lock<SlimMutex> lock(mutex);
    const std::shared_ptr<Device> device = find(path);
    if (!device)
        return false;
    return wake.waitFor(lock, boundedTimeout(timeout), [&] {
        return device->replayEnded || device->removed;
    }) && device->replayEnded;
}

std::size_t SimulatedHidBusState::connectionCount(const std::string &path) const
{
    std::lock_guard<SlimMutex> lock(mutex);
    const std::shared_ptr<Device> device = find(path);
    return device ? device->connections.size() : 0;
}

std::vector<std::size_t> SimulatedHidBusState::readCounts(const std::string &path) const
{
    std::lock_guard<SlimMutex> lock(mutex);
    std::vector<std::size_t> counts;
    if (const std::shared_ptr<Device> device = find(path)) {
        for (const std::shared_ptr<Connection> &connection : device->connections)
            counts.push_back(connection->reads);
    }
    return counts;
}

std::shared_ptr<SimulatedHidBusState::Device> SimulatedHidBusState::find(
        const std::string &path) const
{
    const std::string upperPath = TabletInterfacePath::toUpper(path);
    for (const std::shared_ptr<Device> &device : devices) {
        if (device->upperPath == upperPath)
            return device;
    }
    return nullptr;
}

// Runs on a thread of its own per device with a replay, from when the device is added until it
// is removed. Reports are due on an absolute schedule, so a late wake-up does not shift the rest.
void SimulatedHidBusState::replay(const std::shared_ptr<Device> &device)
{
    std::unique_lock<SlimMutex> lock(mutex);
    wake.wait(lock, [&] { return device->readStarted || device->removed; });
    Clock::time_point due = Clock::now();
    for (const SimulatedInputReport &report : device->description.inputReports) {
        due += report.delay;
        if (wake.waitUntil(lock, due, [&] { return device->removed; }))
            break;
        deliver(*device, report.bytes);
    }
    device->replayEnded = true;
    lock.unlock();
    wake.notifyAll();
}

// Every open handle gets its own copy, padded to the input report length as the system delivers
// whole reports; a full queue drops its oldest report.
void SimulatedHidBusState::deliver(Device &device, std::vector<std::uint8_t> report)
{
    if (report.size() < device.description.inputReportLength)
        report.resize(device.description.inputReportLength, 0);
    for (const std::shared_ptr<Connection> &connection : device.connections) {
        connection->reports.push_back(report);
        if (connection->reports.size() > kInputBufferCount)
            connection->reports.pop_front();
    }
    readable.notifyAll();
}

void SimulatedHidBusState::record(Device &device, const std::uint8_t *report, std::size_t size)
{
    SimulatedOutputReport written;
    written.writtenAt = Clock::now();
    written.sinceOpen = std::chrono::duration_cast<std::chrono::milliseconds>(
            written.writtenAt - device.firstOpenedAt);
    written.bytes.assign(report, report + size);
    if (device.outputLog) {
        device.outputLog->write(SimulatedHidDescription::formatReportLine(written.sinceOpen.count(),
                                                                          written.bytes));
        device.outputLog->flush();
    }
    device.written.push_back(std::move(written));
}

bool SimulatedHidBusState::unusable(const Connection &connection)
{
    return connection.closed || connection.device->removed;
}
