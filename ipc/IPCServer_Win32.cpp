#include "ipc/IPCServer_Win32.h"

#include "ipc/PipeTiming.h"
#include "ipc/SessionId_Win32.h"

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
    std::vector<std::shared_ptr<InterprocessCommunication>> dropped;
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
    std::uint8_t bytes[kPostMessageRecordSize];
    encodePostMessageRecord(record, bytes);
    std::vector<std::shared_ptr<InterprocessCommunication>> failed;
    std::size_t delivered = 0;
    {
        std::lock_guard<std::mutex> lock(connectionsMutex);
        for (auto it = connections.begin(); it != connections.end();) {
            if ((*it)->write(bytes, sizeof(bytes))) {
                ++delivered;
                ++it;
            } else {
                failed.push_back(std::move(*it));
                it = connections.erase(it);
            }
        }
    }
    // Closed outside the lock.
    failed.clear();
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
            if (result == InterprocessCommunication::OpenResult::Connected) {
                {
                    std::lock_guard<std::mutex> lock(connectionsMutex);
                    connections.push_back(connection);
                }
                if (eventCallback)
                    eventCallback(connection, id, 1);
                ++id;
            } else if (result == InterprocessCommunication::OpenResult::CreateFailed) {
                WaitForSingleObject(stopEvent.get(), DWORD(PipeTiming::kCreateRetryPause.count()));
            }
        }
    } catch (...) {
    }
}
