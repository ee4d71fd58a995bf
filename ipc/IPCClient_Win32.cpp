#include "ipc/IPCClient_Win32.h"

#include "ipc/PipeTiming.h"

IPCClient::IPCClient(std::string pipePrefix) : pipePrefix(std::move(pipePrefix)) {}

IPCClient::~IPCClient()
{
    stop();
}

void IPCClient::start(InterprocessCommunication::DataCallback data, int intervalMs)
{
    const std::chrono::milliseconds interval = PipeTiming::reconnectInterval(intervalMs);
    stop();
    dataCallback = std::move(data);
    stopFlag = false;
    try {
        reconnectThread = std::thread(&IPCClient::reconnectLoop, this, interval);
    } catch (...) {
    }
}

void IPCClient::stop()
{
    {
        std::lock_guard<std::mutex> lock(wakeMutex);
        stopFlag = true;
    }
    wake.notify_all();
    {
        std::lock_guard<std::mutex> lock(connectionMutex);
        if (opening)
            opening->requestStop();
    }
    if (reconnectThread.joinable())
        reconnectThread.join();
    std::shared_ptr<InterprocessCommunication> dropped;
    {
        std::lock_guard<std::mutex> lock(connectionMutex);
        dropped.swap(connection);
    }
    dropped.reset();
    connectedFlag = false;
    stopFlag = false;
}

bool IPCClient::isConnected() const
{
    std::lock_guard<std::mutex> lock(connectionMutex);
    return connection && connection->isConnected();
}

void IPCClient::callback(std::shared_ptr<InterprocessCommunication>, unsigned, int event)
{
    connectedFlag = event != 0;
}

void IPCClient::reconnectLoop(std::chrono::milliseconds interval)
{
    try {
        while (!stopFlag.load()) {
            // The connection's own flag, cleared by its reader as it ends, decides: a connection
            // whose reader is gone is replaced even if it was marked connected a moment ago.
            if (!isConnected()) {
                auto fresh = std::make_shared<InterprocessCommunication>();
                {
                    std::lock_guard<std::mutex> lock(connectionMutex);
                    if (stopFlag.load())
                        break;
                    opening = fresh;
                }
                const bool opened = fresh->open(
                        pipePrefix, dataCallback, true,
                        [this](std::shared_ptr<InterprocessCommunication> connection, unsigned id,
                               int event) { callback(std::move(connection), id, event); },
                        0);
                std::shared_ptr<InterprocessCommunication> previous;
                {
                    std::lock_guard<std::mutex> lock(connectionMutex);
                    opening.reset();
                    previous = std::move(connection);
                    connection = opened ? fresh : nullptr;
                    connectedFlag = opened && fresh->isConnected();
                }
                // Its reader is joined here, outside the lock.
                previous.reset();
            }
            std::unique_lock<std::mutex> lock(wakeMutex);
            wake.wait_for(lock, interval, [this] { return stopFlag.load(); });
        }
    } catch (...) {
    }
}
