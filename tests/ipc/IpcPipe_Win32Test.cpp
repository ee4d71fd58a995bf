// Server and client of the pipe in one process, over real named pipes.
#include "ipc/IPCClient_Win32.h"
#include "ipc/IPCServer_Win32.h"
#include "ipc/SessionId_Win32.h"
#include "support/WaitUntil.h"

#include <gmock/gmock.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A generous bound for things that take a few reconnect intervals; reaching it is a failure, not
// a measurement.
constexpr int kIntervalMs = 500;

std::string uniquePipePrefix()
{
    static std::atomic<int> made{0};
    return "\\\\.\\pipe\\qz-ipc-test-" + std::to_string(GetCurrentProcessId()) + "-"
            + std::to_string(++made);
}


// What a client's data callback received.
class Received
{
public:
    InterprocessCommunication::DataCallback callback()
    {
        return [this](unsigned, std::shared_ptr<Bytes> bytes) {
            std::lock_guard<std::mutex> lock(mutex);
            records.push_back(bytes ? *bytes : Bytes());
        };
    }
    std::size_t count() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return records.size();
    }
    std::vector<Bytes> all() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return records;
    }

private:
    mutable std::mutex mutex;
    std::vector<Bytes> records;
};

PostMessageRecord recordNumber(std::uint32_t n)
{
    return PostMessageRecord{0x100000000ull + n, 0x7FF0 + (n & 1), 0, n, 0xFFFFFFFF00000000ull | n};
}

Bytes bytesOf(const PostMessageRecord &record)
{
    std::uint8_t bytes[kPostMessageRecordSize];
    encodePostMessageRecord(record, bytes);
    return Bytes(bytes, bytes + sizeof(bytes));
}

// Sends records first .. first + count - 1; each must reach the one connected client.
void sendNumbered(IPCServer &server, std::uint32_t first, std::uint32_t count)
{
    for (std::uint32_t n = first; n < first + count; ++n)
        EXPECT_EQ(server.send(recordNumber(n)), 1u) << "record " << n;
}

bool connectedBoth(IPCServer &server, IPCClient &client, std::size_t connections = 1)
{
    return waitUntil([&] { return client.isConnected() && server.connectionCount() == connections; });
}

TEST(IpcPipe, clientReceivesEveryRecordWholeAndInOrder)
{
    const std::string prefix = uniquePipePrefix();
    IPCServer server(prefix);
    ASSERT_TRUE(server.start(nullptr, nullptr));
    IPCClient client(prefix);
    Received received;
    client.start(received.callback(), kIntervalMs);
    ASSERT_TRUE(connectedBoth(server, client));

    sendNumbered(server, 0, 300);
    ASSERT_TRUE(waitUntil([&] { return received.count() >= 300; }));
    const std::vector<Bytes> records = received.all();
    ASSERT_EQ(records.size(), 300u);
    for (std::uint32_t n = 0; n < 300; ++n)
        EXPECT_EQ(records[n], bytesOf(recordNumber(n))) << "record " << n;
}

TEST(IpcPipe, recordsSentTogetherArriveWholeAndInOrder)
{
    const std::string prefix = uniquePipePrefix();
    IPCServer server(prefix);
    ASSERT_TRUE(server.start(nullptr, nullptr));
    IPCClient client(prefix);
    Received received;
    client.start(received.callback(), kIntervalMs);
    ASSERT_TRUE(connectedBoth(server, client));

    // Batches of 1, 48 (three requests for each of 16 contexts) and 5 records.
    std::vector<Bytes> expected;
    std::uint32_t n = 0;
    for (std::uint32_t size : {1u, 48u, 5u}) {
        std::vector<PostMessageRecord> batch;
        for (; batch.size() < size; ++n) {
            batch.push_back(recordNumber(n));
            expected.push_back(bytesOf(recordNumber(n)));
        }
        EXPECT_EQ(server.send(batch), 1u);
    }

    ASSERT_TRUE(waitUntil([&] { return received.count() >= n; }));
    EXPECT_EQ(received.all(), expected);
}

TEST(IpcPipe, clientStartedBeforeTheServerConnectsOnceTheServerRuns)
{
    const std::string prefix = uniquePipePrefix();
    IPCClient client(prefix);
    Received received;
    client.start(received.callback(), kIntervalMs);
    std::this_thread::sleep_for(200ms); // its first open finds no pipe
    EXPECT_FALSE(client.isConnected());

    IPCServer server(prefix);
    ASSERT_TRUE(server.start(nullptr, nullptr));
    ASSERT_TRUE(connectedBoth(server, client));
    sendNumbered(server, 7, 1);
    ASSERT_TRUE(waitUntil([&] { return received.count() == 1; }));
    EXPECT_EQ(received.all().front(), bytesOf(recordNumber(7)));
}

TEST(IpcPipe, clientReconnectsToARestartedServer)
{
    const std::string prefix = uniquePipePrefix();
    IPCServer server(prefix);
    ASSERT_TRUE(server.start(nullptr, nullptr));
    IPCClient client(prefix);
    Received received;
    client.start(received.callback(), kIntervalMs);
    ASSERT_TRUE(connectedBoth(server, client));

    server.stop();
    EXPECT_EQ(server.connectionCount(), 0u);
    ASSERT_TRUE(waitUntil([&] { return !client.isConnected(); }));

    ASSERT_TRUE(server.start(nullptr, nullptr));
    ASSERT_TRUE(connectedBoth(server, client));
    sendNumbered(server, 1, 2);
    ASSERT_TRUE(waitUntil([&] { return received.count() == 2; }));
    EXPECT_EQ(received.all().back(), bytesOf(recordNumber(2)));
}

TEST(IpcPipe, acceptedConnectionsAreNumberedInOrderFromOne)
{
    const std::string prefix = uniquePipePrefix();
    std::mutex mutex;
    std::vector<unsigned> ids;
    std::vector<int> events;
    IPCServer server(prefix);
    ASSERT_TRUE(server.start(nullptr, [&](std::shared_ptr<InterprocessCommunication> connection,
                                          unsigned id, int event) {
        std::lock_guard<std::mutex> lock(mutex);
        ids.push_back(connection ? connection->id() : 0);
        EXPECT_EQ(id, ids.back());
        events.push_back(event);
    }));
    IPCClient first(prefix);
    first.start(nullptr, kIntervalMs);
    ASSERT_TRUE(connectedBoth(server, first, 1));
    IPCClient second(prefix);
    second.start(nullptr, kIntervalMs);
    ASSERT_TRUE(connectedBoth(server, second, 2));

    std::lock_guard<std::mutex> lock(mutex);
    EXPECT_THAT(ids, testing::ElementsAre(1u, 2u));
    EXPECT_THAT(events, testing::ElementsAre(1, 1));
}

TEST(IpcPipe, recordReachesEveryConnectedClient)
{
    const std::string prefix = uniquePipePrefix();
    IPCServer server(prefix);
    ASSERT_TRUE(server.start(nullptr, nullptr));
    Received one, two;
    IPCClient first(prefix), second(prefix);
    first.start(one.callback(), kIntervalMs);
    ASSERT_TRUE(connectedBoth(server, first, 1));
    second.start(two.callback(), kIntervalMs);
    ASSERT_TRUE(connectedBoth(server, second, 2));

    EXPECT_EQ(server.send(recordNumber(5)), 2u);
    ASSERT_TRUE(waitUntil([&] { return one.count() == 1 && two.count() == 1; }));
    EXPECT_EQ(one.all().front(), bytesOf(recordNumber(5)));
    EXPECT_EQ(two.all().front(), bytesOf(recordNumber(5)));
}

TEST(IpcPipe, connectionOfAClientThatWentAwayIsRemovedAtTheFirstFailedWrite)
{
    const std::string prefix = uniquePipePrefix();
    IPCServer server(prefix);
    ASSERT_TRUE(server.start(nullptr, nullptr));
    const std::string fullName = currentSessionName(prefix);
    HANDLE raw = INVALID_HANDLE_VALUE;
    ASSERT_TRUE(waitUntil([&] {
        raw = CreateFileA(fullName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                          OPEN_EXISTING, 0, nullptr);
        return raw != INVALID_HANDLE_VALUE;
    }));
    ASSERT_TRUE(waitUntil([&] { return server.connectionCount() == 1; }));
    CloseHandle(raw);

    EXPECT_EQ(server.send(recordNumber(1)), 0u);
    EXPECT_EQ(server.connectionCount(), 0u);
}

// Events the server reported, in order.
class ServerEvents
{
public:
    InterprocessCommunication::EventCallback callback()
    {
        return [this](std::shared_ptr<InterprocessCommunication>, unsigned id, int event) {
            std::lock_guard<std::mutex> lock(mutex);
            events.emplace_back(id, event);
        };
    }
    std::vector<std::pair<unsigned, int>> all() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return events;
    }

private:
    mutable std::mutex mutex;
    std::vector<std::pair<unsigned, int>> events;
};

HANDLE openRawClient(const std::string &fullName)
{
    HANDLE raw = INVALID_HANDLE_VALUE;
    waitUntil([&] {
        raw = CreateFileA(fullName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                          OPEN_EXISTING, 0, nullptr);
        return raw != INVALID_HANDLE_VALUE;
    });
    return raw;
}

TEST(IpcPipe, connectionsOfClientsThatWentAwayAreRemovedWithoutAWrite)
{
    const std::string prefix = uniquePipePrefix();
    ServerEvents events;
    IPCServer server(prefix);
    ASSERT_TRUE(server.start(nullptr, events.callback()));
    const std::string fullName = currentSessionName(prefix);

    constexpr unsigned kClients = 20;
    std::vector<std::pair<unsigned, int>> expected;
    for (unsigned id = 1; id <= kClients; ++id) {
        const HANDLE raw = openRawClient(fullName);
        ASSERT_NE(raw, INVALID_HANDLE_VALUE);
        ASSERT_TRUE(waitUntil([&] { return events.all().size() == expected.size() + 1; }));
        CloseHandle(raw);
        // The connection leaves the count before its event is told.
        ASSERT_TRUE(waitUntil([&] {
            return server.connectionCount() == 0 && events.all().size() == expected.size() + 2;
        })) << "client " << id;
        expected.emplace_back(id, 1);
        expected.emplace_back(id, 0);
    }
    EXPECT_EQ(events.all(), expected);
}

TEST(IpcPipe, aConnectionWhoseWriteFailedIsClosed)
{
    const std::string prefix = uniquePipePrefix();
    IPCServer server(prefix);
    ASSERT_TRUE(server.start(nullptr, nullptr));
    const HANDLE raw = openRawClient(currentSessionName(prefix));
    ASSERT_NE(raw, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(waitUntil([&] { return server.connectionCount() == 1; }));

    // The client reads nothing, so the pipe's buffer fills up and a write fails.
    std::uint32_t sent = 0;
    while (server.send(recordNumber(sent)) == 1 && sent < 100000)
        ++sent;
    EXPECT_EQ(server.connectionCount(), 0u);

    // What was written stays readable; then the client finds its pipe broken.
    std::vector<std::uint8_t> buffer(4096);
    DWORD error = 0;
    EXPECT_TRUE(waitUntil([&] {
        DWORD available = 0;
        if (!PeekNamedPipe(raw, nullptr, 0, nullptr, &available, nullptr)) {
            error = GetLastError();
            return true;
        }
        DWORD read = 0;
        if (available > 0)
            ReadFile(raw, buffer.data(), DWORD(buffer.size()), &read, nullptr);
        return false;
    }));
    EXPECT_EQ(error, DWORD(ERROR_BROKEN_PIPE));
    CloseHandle(raw);
}

TEST(IpcPipe, stopsReturnWhileThreadsWaitForAClientOrAServer)
{
    const std::string prefix = uniquePipePrefix();
    {
        IPCServer server(prefix);
        ASSERT_TRUE(server.start(nullptr, nullptr));
        std::this_thread::sleep_for(100ms); // the accept thread now waits for a client
        server.stop();
        EXPECT_EQ(server.connectionCount(), 0u);
    }
    IPCClient client(uniquePipePrefix());
    client.start(nullptr, 100);
    std::this_thread::sleep_for(100ms);
    client.stop();
    EXPECT_FALSE(client.isConnected());
}

TEST(IpcPipe, stoppingAConnectedPairEndsTheReader)
{
    const std::string prefix = uniquePipePrefix();
    IPCServer server(prefix);
    ASSERT_TRUE(server.start(nullptr, nullptr));
    IPCClient client(prefix);
    client.start(nullptr, kIntervalMs);
    ASSERT_TRUE(connectedBoth(server, client));
    client.stop(); // the reader waits in a read; the stop must end it
    EXPECT_FALSE(client.isConnected());
    server.stop();
}

// A plain server end under the test's control.
class RawServer
{
public:
    explicit RawServer(const std::string &fullName)
    {
        pipe = CreateNamedPipeA(fullName.c_str(), PIPE_ACCESS_DUPLEX,
                                PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0,
                                nullptr);
    }
    ~RawServer()
    {
        if (pipe != INVALID_HANDLE_VALUE)
            CloseHandle(pipe);
    }
    bool accept()
    {
        return ConnectNamedPipe(pipe, nullptr) || GetLastError() == ERROR_PIPE_CONNECTED;
    }
    bool write(const std::uint8_t *bytes, DWORD size)
    {
        DWORD written = 0;
        return WriteFile(pipe, bytes, size, &written, nullptr) && written == size
                && FlushFileBuffers(pipe);
    }
    void disconnect() { DisconnectNamedPipe(pipe); }
    HANDLE pipe = INVALID_HANDLE_VALUE;
};

TEST(IpcPipe, recordArrivingInPiecesReachesTheCallbackWhole)
{
    const std::string prefix = uniquePipePrefix();
    RawServer raw(currentSessionName(prefix));
    ASSERT_NE(raw.pipe, INVALID_HANDLE_VALUE);
    IPCClient client(prefix);
    Received received;
    client.start(received.callback(), kIntervalMs);
    ASSERT_TRUE(raw.accept());

    Bytes stream = bytesOf(recordNumber(1));
    const Bytes second = bytesOf(recordNumber(2));
    stream.insert(stream.end(), second.begin(), second.end());
    // 16 + 24 + 24 bytes: both records are cut.
    ASSERT_TRUE(raw.write(stream.data(), 16));
    ASSERT_TRUE(raw.write(stream.data() + 16, 24));
    ASSERT_TRUE(raw.write(stream.data() + 40, 24));

    ASSERT_TRUE(waitUntil([&] { return received.count() == 2; }));
    EXPECT_THAT(received.all(), testing::ElementsAre(bytesOf(recordNumber(1)), second));
    client.stop();
}

TEST(IpcPipe, clientWhoseConnectionEndedIsNotLeftConnectedAndConnectsAgain)
{
    const std::string prefix = uniquePipePrefix();
    RawServer raw(currentSessionName(prefix));
    ASSERT_NE(raw.pipe, INVALID_HANDLE_VALUE);
    IPCClient client(prefix);
    Received received;
    client.start(received.callback(), kIntervalMs);
    ASSERT_TRUE(raw.accept());
    ASSERT_TRUE(waitUntil([&] { return client.isConnected(); }));

    raw.disconnect();
    ASSERT_TRUE(waitUntil([&] { return !client.isConnected(); }));

    ASSERT_TRUE(raw.accept());
    ASSERT_TRUE(waitUntil([&] { return client.isConnected(); }));
    const Bytes record = bytesOf(recordNumber(3));
    ASSERT_TRUE(raw.write(record.data(), DWORD(record.size())));
    ASSERT_TRUE(waitUntil([&] { return received.count() == 1; }));
    EXPECT_EQ(received.all().front(), record);
    client.stop();
}

TEST(IpcPipe, writeOnAClosedConnectionFailsAtOnce)
{
    InterprocessCommunication connection;
    const std::uint8_t bytes[32] = {};
    EXPECT_FALSE(connection.write(bytes, sizeof(bytes)));
    EXPECT_FALSE(connection.isConnected());
    connection.close();
}

TEST(IpcPipe, clientOpenWithoutAServerFailsAtOnce)
{
    InterprocessCommunication connection;
    EXPECT_EQ(connection.openNamed(currentSessionName(uniquePipePrefix()), nullptr, true, nullptr, 0),
              InterprocessCommunication::OpenResult::NoPipe);
    EXPECT_FALSE(connection.isConnected());
}

} // namespace
