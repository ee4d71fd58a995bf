#pragma once

#include "ipc/OwnedHandle_Win32.h"

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// One end of one instance of the session's named pipe. QZTablet's server instances write, and keep
// a read pending only to learn at once of a client that went away (watchForHangUp); Nibwire's
// client end is read by its owner's reader thread (readUntilClosed), which hands every whole
// 32-byte record to the data callback. The end makes no thread of its own: a library thread
// that makes threads while it runs could leave one still starting when the host unloads the
// library, and such a thread cannot be stopped.
class InterprocessCommunication
{
public:
    using DataCallback = std::function<void(unsigned, std::shared_ptr<std::vector<std::uint8_t>>)>;
    // event 1 = connected, 0 = disconnected.
    using EventCallback =
            std::function<void(std::shared_ptr<InterprocessCommunication>, unsigned, int)>;
    using HangUpCallback = std::function<void(unsigned)>;

    enum class OpenResult { Connected, NoPipe, CreateFailed, TimedOut, Stopped, Failed };

    // How the server makes each pipe instance. Clients on other machines are refused: the
    // records name windows of this session only.
    static constexpr DWORD kServerOpenMode = PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED;
    static constexpr DWORD kServerPipeMode =
            PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS;
    static constexpr DWORD kPipeInstances = 255;
    static constexpr DWORD kPipeBufferSize = 32767;

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

    // Client end: reads records on the calling thread until the pipe ends or a stop is requested;
    // then marks the end disconnected and tells the event callback (event 0).
    void readUntilClosed();
    // Server end: keeps a one-byte read pending, which ends when the client closes its end (or
    // close() is called). Called on a thread that waits alertably, the server's accept thread:
    // `onHangUp` runs there, within such a wait, with the id. The end must outlive that call.
    // False when no read could be started: the client has gone already.
    bool watchForHangUp(HangUpCallback onHangUp);
    // Writes all `length` bytes or fails; a failed write leaves the end disconnected.
    bool write(const std::uint8_t *bytes, std::size_t length);
    // Wakes a reader, waits for it to leave and closes the pipe; the object may be opened again.
    void close();
    // Wakes a pending connect or read for good: used by a stop from another thread.
    void requestStop();

    bool isConnected() const { return connected.load(); }
    unsigned id() const { return connectionId; }

private:
    struct HangUpWatch
    {
        OVERLAPPED overlapped{};
        InterprocessCommunication *owner = nullptr;
        std::uint8_t byte = 0;
    };

    static void CALLBACK hangUpReadEnded(DWORD error, DWORD transferred, OVERLAPPED *overlapped);
    bool startHangUpRead();
    OpenResult openServer(const std::string &fullName, unsigned id);
    OpenResult openClient(const std::string &fullName);
    // True once an instance of the busy pipe is free; false when none was within kBusyWait, or
    // on a stop.
    bool waitForFreeInstance(const std::string &fullName);
    bool stopping() const { return stopFlag.load() || stopRequested.load(); }
    void readRecords();

    // Held by readUntilClosed for as long as it reads: close waits for it before the pipe goes.
    std::mutex readMutex;
    std::atomic<bool> stopFlag{false};
    std::atomic<bool> stopRequested{false};
    // Manual reset; set by close and requestStop to wake a pending connect or read.
    OwnedHandle wakeEvent;
    OwnedHandle pipe;
    std::mutex writeMutex;
    OwnedHandle writeEvent;
    std::atomic<bool> connected{false};
    EventCallback eventCallback;
    DataCallback dataCallback;
    unsigned connectionId = 0;
    HangUpWatch hangUpWatch;
    HangUpCallback hangUpCallback;
};
