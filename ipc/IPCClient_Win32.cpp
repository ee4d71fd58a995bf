#include "ipc/IPCClient_Win32.h"

#include "ipc/PipeTiming.h"
#include "ipc/SessionId_Win32.h"

namespace {

// For objects that a thread which died at process end may have left locked: never destroyed.
void keepForever(std::shared_ptr<InterprocessCommunication> &object)
{
    if (object)
        new std::shared_ptr<InterprocessCommunication>(std::move(object));
}

} // namespace

IPCClient::IPCClient(std::string pipePrefix)
    : pipePrefix(std::move(pipePrefix)),
      wakeEvent(OwnedHandle::newEvent(true)),
      connectionEvent(OwnedHandle::newEvent(false))
{}

IPCClient::~IPCClient()
{
    if (abandoned.load()) {
        // A thread that died at process end may have been waiting on them.
        wakeEvent.release();
        connectionEvent.release();
        return;
    }
    stop();
}

void IPCClient::start(InterprocessCommunication::DataCallback data, int intervalMs)
{
    const std::chrono::milliseconds interval = PipeTiming::reconnectInterval(intervalMs);
    stop();
    if (abandoned.load() || !wakeEvent || !connectionEvent)
        return;
    dataCallback = std::move(data);
    pipeName = currentSessionName(pipePrefix);
    // The data callback posts window messages. A thread's first call into the window system sets
    // it up as a GUI thread, work of the system's that may well need the loader lock: the reader
    // has it done before start returns, not at its first post, where an unload may wait for it.
    const auto becomeGuiThread = [] { IsGUIThread(TRUE); };
    if (readerThread.start([this] { readLoop(); }, becomeGuiThread))
        reconnectThread.start([this, interval] { reconnectLoop(interval); });
}

void IPCClient::stop()
{
    if (abandoned.load())
        return;
    wakeForStop();
    reconnectThread.join();
    readerThread.join();
    dropConnections();
    resetAfterStop();
}

void IPCClient::stopForUnload()
{
    if (abandoned.load())
        return;
    wakeForStop();
    reconnectThread.waitForLeave();
    readerThread.waitForLeave();
    dropConnections();
    resetAfterStop();
}

void IPCClient::abandon()
{
    abandoned = true;
    reconnectThread.abandon();
    readerThread.abandon();
    // Their destructors would wait for locks that a dead reader may hold. No lock is taken here
    // for the same reason, and none is needed: no other thread is left to use them.
    keepForever(connection);
    keepForever(opening);
    connectedFlag = false;
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

void IPCClient::wakeForStop()
{
    // The pipe threads hold this lock only across steps that neither wait nor take another lock,
    // so even under the loader lock it is had as soon as they run.
    {
        std::lock_guard<std::mutex> lock(connectionMutex);
        stopFlag = true;
        if (opening)
            opening->requestStop();
        if (connection)
            connection->requestStop();
    }
    if (wakeEvent)
        SetEvent(wakeEvent.get());
}

void IPCClient::dropConnections()
{
    std::shared_ptr<InterprocessCommunication> dropped;
    std::shared_ptr<InterprocessCommunication> droppedOpening;
    {
        std::lock_guard<std::mutex> lock(connectionMutex);
        dropped.swap(connection);
        droppedOpening.swap(opening);
    }
}

void IPCClient::resetAfterStop()
{
    connectedFlag = false;
    stopFlag = false;
    if (wakeEvent)
        ResetEvent(wakeEvent.get());
    if (connectionEvent)
        ResetEvent(connectionEvent.get());
}

void IPCClient::reconnectLoop(std::chrono::milliseconds interval)
{
    while (!stopFlag.load()) {
        // The connection's own flag, cleared as its reading ends, decides: a connection whose
        // reading is over is replaced even if it was marked connected a moment ago.
        if (!isConnected())
            connectOnce();
        WaitForSingleObject(wakeEvent.get(), DWORD(interval.count()));
    }
}

void IPCClient::connectOnce()
{
    auto fresh = std::make_shared<InterprocessCommunication>();
    {
        std::lock_guard<std::mutex> lock(connectionMutex);
        if (stopFlag.load())
            return;
        opening = fresh;
    }
    const bool opened = fresh->openNamed(
            pipeName, dataCallback, true,
            [this](std::shared_ptr<InterprocessCommunication> connection, unsigned id, int event) {
                callback(std::move(connection), id, event);
            },
            0) == InterprocessCommunication::OpenResult::Connected;
    std::shared_ptr<InterprocessCommunication> previous;
    {
        std::lock_guard<std::mutex> lock(connectionMutex);
        opening.reset();
        previous = std::move(connection);
        connection = opened ? fresh : nullptr;
        connectedFlag = opened && fresh->isConnected();
        // A stop that came during the open did not see this connection.
        if (opened && stopFlag.load())
            fresh->requestStop();
    }
    if (opened)
        SetEvent(connectionEvent.get());
    // Closed here, outside the lock; its reading is over.
}

void IPCClient::readLoop()
{
    const HANDLE events[2] = {wakeEvent.get(), connectionEvent.get()};
    while (!stopFlag.load()) {
        if (WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1)
            readCurrent();
    }
}

void IPCClient::readCurrent()
{
    std::shared_ptr<InterprocessCommunication> reading;
    {
        std::lock_guard<std::mutex> lock(connectionMutex);
        reading = connection;
    }
    if (reading)
        reading->readUntilClosed();
}
