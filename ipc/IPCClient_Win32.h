#pragma once

#include "ipc/InterprocessCommunication_Win32.h"
#include "ipc/OwnedHandle_Win32.h"
#include "ipc/SessionNames.h"
#include "ipc/UnloadSafeThread_Win32.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>

// Nibwire's end of the pipe: a reconnect thread keeps one connection to QZTablet open and opens a
// new one at most one interval after the last one ended; a reader thread reads the current
// connection. Records reach the data callback whole, on the reader thread. Both threads are made
// by start and live until a stop, so that none is ever still starting when the library unloads.
class IPCClient
{
public:
    // `pipePrefix` gets the session suffix.
    explicit IPCClient(std::string pipePrefix = SessionNames::kPipePrefix);
    ~IPCClient();
    IPCClient(const IPCClient &) = delete;
    IPCClient &operator=(const IPCClient &) = delete;

    // An interval under 500 ms becomes 2000 ms. A running client is stopped first.
    void start(InterprocessCommunication::DataCallback dataCallback, int intervalMs);
    // Stops and joins both threads.
    void stop();
    // The stop of a library being unloaded, under the loader lock: waits for both threads until
    // each has left the library's code, however long that takes (normally milliseconds); their
    // exit finishes after the unload. Neither thread takes the loader lock once started (nor
    // may the data callback) or holds a lock of this object across a wait, so the wait ends as
    // soon as they run.
    void stopForUnload();
    // The process is ending and its other threads are gone (some may have died holding a lock):
    // forgets threads and connection without waiting, locking or freeing. The client is unusable
    // afterwards.
    void abandon();

    bool isConnected() const;
    // The event callback bound into each connection.
    void callback(std::shared_ptr<InterprocessCommunication> connection, unsigned id, int event);

private:
    void reconnectLoop(std::chrono::milliseconds interval);
    void connectOnce();
    void readLoop();
    void readCurrent();
    // Tells both threads to leave and wakes them wherever they wait, without waiting for them.
    void wakeForStop();
    void dropConnections();
    void resetAfterStop();

    const std::string pipePrefix;
    // The session's pipe, named once by start: the reconnect thread does not ask the terminal
    // services for the session, a call whose locks are the system's, where an unload may wait
    // for it.
    std::string pipeName;
    std::atomic<bool> connectedFlag{false};
    std::atomic<bool> stopFlag{false};
    std::atomic<bool> abandoned{false};
    mutable std::mutex connectionMutex;
    std::shared_ptr<InterprocessCommunication> connection;
    std::shared_ptr<InterprocessCommunication> opening;
    // Manual reset; set by a stop.
    OwnedHandle wakeEvent;
    // Auto reset; set when a new connection waits for the reader.
    OwnedHandle connectionEvent;
    InterprocessCommunication::DataCallback dataCallback;
    UnloadSafeThread reconnectThread;
    UnloadSafeThread readerThread;
};
