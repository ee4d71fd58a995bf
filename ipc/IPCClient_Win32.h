#pragma once

#include "ipc/InterprocessCommunication_Win32.h"
#include "ipc/SessionNames.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// Nibwire's end of the pipe: a reconnect thread keeps one connection to QZTablet open and opens a
// new one at most one interval after the last one ended. Records reach the data callback whole,
// on the connection's reader thread.
class IPCClient
{
public:
    // `pipePrefix` gets the session suffix.
    explicit IPCClient(std::string pipePrefix = SessionNames::kPipePrefix);
    ~IPCClient();
    IPCClient(const IPCClient &) = delete;
    IPCClient &operator=(const IPCClient &) = delete;

    // An interval under 500 ms becomes 2000 ms. A running loop is stopped first.
    void start(InterprocessCommunication::DataCallback dataCallback, int intervalMs);
    void stop();

    bool isConnected() const;
    // The event callback bound into each connection.
    void callback(std::shared_ptr<InterprocessCommunication> connection, unsigned id, int event);

private:
    void reconnectLoop(std::chrono::milliseconds interval);

    const std::string pipePrefix;
    std::atomic<bool> connectedFlag{false};
    mutable std::mutex connectionMutex;
    std::shared_ptr<InterprocessCommunication> connection;
    std::shared_ptr<InterprocessCommunication> opening;
    std::thread reconnectThread;
    std::atomic<bool> stopFlag{false};
    std::mutex wakeMutex;
    std::condition_variable wake;
    InterprocessCommunication::DataCallback dataCallback;
};
