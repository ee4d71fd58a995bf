#include "ipc/IPCServer_Win32.h"

#include "ipc/PipeTiming.h"
#include "ipc/SessionId_Win32.h"

#include <algorithm>
#include <chrono>
#include <iterator>

namespace {

// How long a stop waits for the hang-up reads of its connections to end.
constexpr std::chrono::milliseconds kWatchEndWait{5000};

} // namespace

IPCServer::IPCServer(std::string pipePrefix)
    : pipePrefix(std::move(pipePrefix)), stopEvent(OwnedHandle::newEvent())
{}

IPCServer::~IPCServer()
{
    stop();
}

bool IPCServer::start(InterprocessCommunication::DataCallback data,
                      InterprocessCommunication::EventCallback event)
{
    stop();
    if (!stopEvent)
        return false;
    dataCallback = std::move(data);
    eventCallback = std::move(event);
    fullName = currentSessionName(pipePrefix);
    stopFlag = false;
    ResetEvent(stopEvent.get());
    try {
        acceptThread = std::thread(&IPCServer::acceptLoop, this);
    } catch (...) {
        return false;
    }
    return true;
}

void IPCServer::stop()
{
    {
        std::lock_guard<std::mutex> lock(pendingMutex);
        stopFlag = true;
        if (pending)
            pending->requestStop();
    }
    if (stopEvent)
        SetEvent(stopEvent.get());
    if (acceptThread.joinable())
        acceptThread.join();
    std::vector<Connection> dropped;
    {
        std::lock_guard<std::mutex> lock(connectionsMutex);
        dropped.swap(connections);
    }
    dropped.clear();
    dataCallback = nullptr;
    eventCallback = nullptr;
    stopFlag = false;
}

std::size_t IPCServer::send(const PostMessageRecord &record)
{
    return send(std::vector<PostMessageRecord>{record});
}

std::size_t IPCServer::send(const std::vector<PostMessageRecord> &records)
{
    if (records.empty())
        return 0;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(records.size() * kPostMessageRecordSize);
    for (const PostMessageRecord &record : records) {
        std::uint8_t encoded[kPostMessageRecordSize];
        encodePostMessageRecord(record, encoded);
        bytes.insert(bytes.end(), std::begin(encoded), std::end(encoded));
    }
    std::vector<Connection> failed;
    std::size_t delivered = 0;
    {
        std::lock_guard<std::mutex> lock(connectionsMutex);
        for (auto it = connections.begin(); it != connections.end();) {
            if ((*it)->write(bytes.data(), bytes.size())) {
                ++delivered;
                ++it;
            } else {
                failed.push_back(std::move(*it));
                it = connections.erase(it);
            }
        }
    }
    // Closed outside the lock; closing ends their hang-up reads, after which the accept thread
    // lets them go.
    for (const Connection &connection : failed)
        connection->close();
    return delivered;
}

std::size_t IPCServer::connectionCount() const
{
    std::lock_guard<std::mutex> lock(connectionsMutex);
    return connections.size();
}

void IPCServer::acceptLoop()
{
    try {
        unsigned id = 1;
        while (!stopFlag.load()) {
            auto connection = std::make_shared<InterprocessCommunication>();
            {
                std::lock_guard<std::mutex> lock(pendingMutex);
                if (stopFlag.load())
                    break;
                pending = connection;
            }
            const auto result = connection->openNamed(fullName, dataCallback, false,
                                                      eventCallback, id);
            {
                std::lock_guard<std::mutex> lock(pendingMutex);
                pending.reset();
            }
            ended.clear();
            if (result == InterprocessCommunication::OpenResult::Connected) {
                accepted(connection, id);
                ++id;
            } else if (result == InterprocessCommunication::OpenResult::CreateFailed) {
                pauseBeforeRetry();
            }
        }
    } catch (...) {
    }
    endWatches();
}

void IPCServer::accepted(const Connection &connection, unsigned id)
{
    {
        std::lock_guard<std::mutex> lock(connectionsMutex);
        connections.push_back(connection);
    }
    if (eventCallback)
        eventCallback(connection, id, 1);
    watched[id] = connection;
    if (!connection->watchForHangUp([this](unsigned hungUpId) { hungUp(hungUpId); }))
        hungUp(id);
}

// Runs on the accept thread, from the hang-up read's completion routine.
void IPCServer::hungUp(unsigned id)
{
    const auto watch = watched.find(id);
    if (watch != watched.end()) {
        ended.push_back(std::move(watch->second));
        watched.erase(watch);
    }
    Connection removed;
    {
        std::lock_guard<std::mutex> lock(connectionsMutex);
        const auto found = std::find_if(connections.begin(), connections.end(),
                                        [id](const Connection &c) { return c->id() == id; });
        if (found != connections.end()) {
            removed = std::move(*found);
            connections.erase(found);
        }
    }
    if (!removed)
        return;
    removed->close();
    if (eventCallback)
        eventCallback(removed, id, 0);
}

void IPCServer::pauseBeforeRetry()
{
    const auto deadline = std::chrono::steady_clock::now() + PipeTiming::kCreateRetryPause;
    while (!stopFlag.load()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        // Hang-up reads that end meanwhile are handled here.
        if (WaitForSingleObjectEx(stopEvent.get(), DWORD(left.count()), TRUE)
            != WAIT_IO_COMPLETION)
            break;
    }
    ended.clear();
}

// Closes every watched connection and waits until their hang-up reads have ended, so that no
// completion routine is left to run after the accept thread is gone.
void IPCServer::endWatches()
{
    for (const auto &[id, connection] : watched)
        connection->close();
    const auto deadline = std::chrono::steady_clock::now() + kWatchEndWait;
    while (!watched.empty() && std::chrono::steady_clock::now() < deadline)
        SleepEx(50, TRUE);
    // A read that never ended still refers to its connection: that one is never freed.
    for (auto &[id, connection] : watched)
        new Connection(std::move(connection));
    watched.clear();
    ended.clear();
}
