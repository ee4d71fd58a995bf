#pragma once

#include "ipc/InterprocessCommunication_Win32.h"
#include "ipc/OwnedHandle_Win32.h"
#include "ipc/SessionNames.h"
#include "ipc/WintabBridgeRecords.h"

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// QZTablet's end of the pipe: an accept thread makes pipe instances one after another and keeps
// every accepted connection; send() writes a record to all of them and drops each one whose
// write failed. Connections are numbered 1, 2, 3, ... in the order they were accepted. The accept
// thread also watches every connection, so one whose client went away is closed and removed at
// once, with event 0, rather than at the next write.
class IPCServer
{
public:
    // `pipePrefix` gets the session suffix.
    explicit IPCServer(std::string pipePrefix = SessionNames::kPipePrefix);
    ~IPCServer();
    IPCServer(const IPCServer &) = delete;
    IPCServer &operator=(const IPCServer &) = delete;

    // The event callback hears, on the accept thread, of every accepted connection (event 1) and
    // of every connection removed because its client went away (event 0).
    bool start(InterprocessCommunication::DataCallback dataCallback,
               InterprocessCommunication::EventCallback eventCallback);
    // Wakes a pending connect, joins the accept thread and drops every connection.
    void stop();

    // Writes the record to every connection; returns how many took it.
    std::size_t send(const PostMessageRecord &record);
    // Writes the records, in order, to every connection in one write each, so that the client
    // reads them in one go; returns how many connections took them all.
    std::size_t send(const std::vector<PostMessageRecord> &records);
    std::size_t connectionCount() const;

private:
    using Connection = std::shared_ptr<InterprocessCommunication>;

    void acceptLoop();
    void accepted(const Connection &connection, unsigned id);
    void hungUp(unsigned id);
    void pauseBeforeRetry();
    void endWatches();

    const std::string pipePrefix;
    std::string fullName;
    InterprocessCommunication::DataCallback dataCallback;
    InterprocessCommunication::EventCallback eventCallback;
    std::thread acceptThread;
    std::atomic<bool> stopFlag{false};
    // Manual reset; interrupts the pause after a pipe that could not be created.
    OwnedHandle stopEvent;
    std::mutex pendingMutex;
    Connection pending;
    mutable std::mutex connectionsMutex;
    std::vector<Connection> connections;
    // Used on the accept thread only: the connections whose hang-up read is pending, and those
    // whose read ended, released once the wait in which it ended is over.
    std::map<unsigned, Connection> watched;
    std::vector<Connection> ended;
};
