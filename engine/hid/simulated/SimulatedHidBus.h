#pragma once

#include "engine/hid/IHidBackend.h"
#include "engine/hid/simulated/SimulatedHidBusState.h"
#include "engine/hid/simulated/SimulatedHidDevice.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// HID devices that live in this process, for machines without the tablet or the virtual device:
// tests add, feed and remove them, and the program builds one from a description file.
// Like the system's HID, every open handle queues its own copy of each input report, reads wait
// up to their time-out, and a removed device fails every request of the handles open on it.
// Every operation may be called from any thread.
class SimulatedHidBus : public IHidBackend
{
public:
    using AddResult = SimulatedHidBusState::AddResult;

    SimulatedHidBus();
    // Removes every device (handles still open fail from then on) and stops the replays.
    ~SimulatedHidBus() override;

    SimulatedHidBus(const SimulatedHidBus &) = delete;
    SimulatedHidBus &operator=(const SimulatedHidBus &) = delete;

    // Plugs a device in. Its output log, when it names one, is created empty now; its replay
    // starts with the first read from it.
    AddResult addDevice(const SimulatedHidDevice &device);

    // Hands one input report to every handle open on the device (none open: it is lost).
    // False for an unknown path, an empty report or one longer than the input report length;
    // a shorter one is padded with zeros. `queuedAt`, when given, receives the moment the
    // report was queued, as a system's HID completes a read: where its latency starts.
    bool feedReport(const std::string &path, const std::vector<std::uint8_t> &report,
                    std::chrono::steady_clock::time_point *queuedAt = nullptr);

    // Unplugs the device: waiting reads and writes end with Failed at once.
    bool removeDevice(const std::string &path);

    // While stalled, writes wait and end with TimedOut, as on a device that stopped taking reports.
    bool setWritesStalled(const std::string &path, bool stalled);
    // While failing, reads end with Failed at once, as on a device that stopped answering.
    bool setReadsFailing(const std::string &path, bool failing);

    // What was written to a present device, in order, from all of its handles.
    std::vector<SimulatedOutputReport> writtenReports(const std::string &path) const;
    // True once at least `count` reports were written; false after `timeout` or on removal.
    bool waitForWrittenReports(const std::string &path, std::size_t count,
                               std::chrono::milliseconds timeout) const;
    // True once the device's replay has delivered its last report.
    bool waitForReplayEnd(const std::string &path, std::chrono::milliseconds timeout) const;
    std::size_t openHandleCount(const std::string &path) const;
    // The reads that each handle open on the device has made, whatever their outcome, in the
    // order the handles were opened.
    std::vector<std::size_t> readCounts(const std::string &path) const;

    std::vector<HidInterface> enumerateInterfaces() override;
    std::unique_ptr<IHidHandle> open(const std::string &path) override;

private:
    const std::shared_ptr<SimulatedHidBusState> state;
};
