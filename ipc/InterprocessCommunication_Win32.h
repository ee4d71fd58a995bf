#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// One end of one instance of the session's named pipe. QZTablet's server instances only write;
// Nibwire's client end runs a reader thread that hands every whole 32-byte record to the data
// callback.
class InterprocessCommunication
{
public:
    using DataCallback = std::function<void(unsigned, std::shared_ptr<std::vector<std::uint8_t>>)>;
    // event 1 = connected, 0 = disconnected.
    using EventCallback =
            std::function<void(std::shared_ptr<InterprocessCommunication>, unsigned, int)>;

    enum class OpenResult { Connected, NoPipe, CreateFailed, TimedOut, Stopped, Failed };

    InterprocessCommunication();
    ~InterprocessCommunication();
    InterprocessCommunication(const InterprocessCommunication &) = delete;
    InterprocessCommunication &operator=(const InterprocessCommunication &) = delete;

    // `name` is the pipe's prefix; the session suffix is added here.
    bool open(const std::string &name, DataCallback dataCallback, bool client,
              EventCallback eventCallback, unsigned id);
    // Same with the full pipe name, telling why an open failed.
    OpenResult openNamed(const std::string &fullName, DataCallback dataCallback, bool client,
                         EventCallback eventCallback, unsigned id);

    // Writes all `length` bytes or fails; a failed write leaves the end disconnected.
    bool write(const std::uint8_t *bytes, std::size_t length);
    // Ends the reader and closes the pipe; the object may be opened again.
    void close();
    // Wakes a pending connect or read for good: used by a stop from another thread.
    void requestStop();

    bool isConnected() const { return connected.load(); }
    unsigned id() const { return connectionId; }

private:
    OpenResult openServer(const std::string &fullName, unsigned id);
    OpenResult openClient(const std::string &fullName);
    bool stopping() const { return stopFlag.load() || stopRequested.load(); }
    void readLoop();

    std::thread reader;
    std::atomic<bool> stopFlag{false};
    std::atomic<bool> stopRequested{false};
    // Manual reset; set by close and requestStop to wake a pending connect or read.
    HANDLE wakeEvent = nullptr;
    HANDLE pipe = INVALID_HANDLE_VALUE;
    std::mutex writeMutex;
    std::atomic<bool> connected{false};
    EventCallback eventCallback;
    DataCallback dataCallback;
    unsigned connectionId = 0;
};
