#pragma once

#include "engine/core/SlimCondition.h"
#include "engine/core/SlimMutex.h"
#include "engine/hid/HidTypes.h"
#include "engine/hid/simulated/SimulatedHidDevice.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

// The inside of one simulated HID bus: its devices and the handles open on them. The bus and
// every handle it opened share it, so a handle may outlive its bus (and then fails).
// One mutex guards all of it. Readers wait on a condition of their own, so that the writes to
// a device wake none of them; the other condition wakes stalled writers, replays and
// observers, each of which waits for its own predicate.
class SimulatedHidBusState
{
public:
    struct Device;

    // One open handle: its own queue of input reports, as every HID handle has.
    struct Connection
    {
        std::shared_ptr<Device> device;
        std::deque<std::vector<std::uint8_t>> reports;
        bool closed = false;
        std::size_t reads = 0;
    };

    enum class AddResult {
        Added,
        PathInUse,
        OutputLogNotWritable,
    };

    // Input reports a handle keeps before the oldest is dropped, as the system's HID does by
    // default.
    static constexpr std::size_t kInputBufferCount = 32;

    SimulatedHidBusState() = default;
    ~SimulatedHidBusState();
    SimulatedHidBusState(const SimulatedHidBusState &) = delete;
    SimulatedHidBusState &operator=(const SimulatedHidBusState &) = delete;

    AddResult add(const SimulatedHidDevice &description);
    bool feed(const std::string &path, const std::vector<std::uint8_t> &report,
              std::chrono::steady_clock::time_point *queuedAt);
    bool remove(const std::string &path);
    void removeAll();
    bool setWritesStalled(const std::string &path, bool stalled);
    bool setReadsFailing(const std::string &path, bool failing);

    std::vector<HidInterface> interfaces() const;
    // A new connection to the device and what the device says of itself; an empty pointer for
    // an unknown path.
    std::shared_ptr<Connection> connect(const std::string &path, HidAttributes &attributes,
                                        HidCapabilities &capabilities);
    HidIoStatus read(Connection &connection, std::vector<std::uint8_t> &buffer,
                     std::chrono::milliseconds timeout);
    HidIoStatus write(Connection &connection, const std::uint8_t *report, std::size_t size,
                      std::chrono::milliseconds timeout);
    HidIoStatus indexedString(Connection &connection, std::uint32_t index,
                              std::vector<std::uint8_t> &buffer);
    void disconnect(Connection &connection);

    std::vector<SimulatedOutputReport> writtenReports(const std::string &path) const;
    bool waitForWrittenReports(const std::string &path, std::size_t count,
                               std::chrono::milliseconds timeout) const;
    bool waitForReplayEnd(const std::string &path, std::chrono::milliseconds timeout) const;
    std::size_t connectionCount(const std::string &path) const;
    std::vector<std::size_t> readCounts(const std::string &path) const;

private:
    std::shared_ptr<Device> find(const std::string &path) const;
    void replay(const std::shared_ptr<Device> &device);
    void deliver(Device &device, std::vector<std::uint8_t> report);
    void record(Device &device, const std::uint8_t *report, std::size_t size);
    static bool unusable(const Connection &connection);

    mutable SlimMutex mutex;
    mutable SlimCondition wake;
    mutable SlimCondition readable; // reports, removals, closed handles, failing reads
    std::vector<std::shared_ptr<Device>> devices; // in the order they were added
};
