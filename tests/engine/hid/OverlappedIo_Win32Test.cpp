// Overlapped requests with time-outs, tried on named pipes: they pend like HID reads and writes.
#include "ipc/OverlappedIo_Win32.h"

#include "engine/hid/HidHandle_Win32.h"

#include <gmock/gmock.h>

#include <atomic>
#include <future>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Two connected ends of a byte pipe, both opened for overlapped I/O.
class PipePair
{
public:
    explicit PipePair(DWORD bufferSize = 4096)
    {
        static std::atomic<int> created{0};
        const std::wstring name = L"\\\\.\\pipe\\qz-overlapped-io-"
                + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++created);
        server = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                                  PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 1, bufferSize,
                                  bufferSize, 0, nullptr);
        client = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_OVERLAPPED, nullptr);
        connect();
    }
    ~PipePair()
    {
        closeEnd(server);
        closeEnd(client);
    }
    PipePair(const PipePair &) = delete;
    PipePair &operator=(const PipePair &) = delete;

    bool isConnected() const { return connected; }

    // Hands the server end over to its new owner.
    HANDLE releaseServer()
    {
        const HANDLE released = server;
        server = INVALID_HANDLE_VALUE;
        return released;
    }

    HANDLE server = INVALID_HANDLE_VALUE;
    HANDLE client = INVALID_HANDLE_VALUE;

private:
    void connect()
    {
        if (server == INVALID_HANDLE_VALUE || client == INVALID_HANDLE_VALUE)
            return;
        OVERLAPPED overlapped{};
        overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (ConnectNamedPipe(server, &overlapped) || GetLastError() == ERROR_PIPE_CONNECTED) {
            connected = true;
        } else if (GetLastError() == ERROR_IO_PENDING) {
            DWORD unused = 0;
            connected = GetOverlappedResult(server, &overlapped, &unused, TRUE);
        }
        CloseHandle(overlapped.hEvent);
    }

    static void closeEnd(HANDLE &end)
    {
        if (end != INVALID_HANDLE_VALUE)
            CloseHandle(end);
        end = INVALID_HANDLE_VALUE;
    }

    bool connected = false;
};

HidIoStatus send(HANDLE end, const Bytes &bytes)
{
    return OverlappedIo_Win32::write(end, bytes.data(), bytes.size(), 1000ms);
}

} // namespace

TEST(OverlappedIo_Win32, AReadOnAnIdleHandleTimesOutAndIsCancelled)
{
    PipePair pipe;
    ASSERT_TRUE(pipe.isConnected());
    Bytes buffer(16);
    std::size_t received = 99;

    EXPECT_EQ(OverlappedIo_Win32::read(pipe.server, buffer.data(), buffer.size(), received, 20ms),
              HidIoStatus::TimedOut);
    EXPECT_EQ(received, 0u);

    // Had the timed-out read stayed pending, it would swallow these bytes.
    ASSERT_EQ(send(pipe.client, {1, 2, 3}), HidIoStatus::Completed);
    EXPECT_EQ(OverlappedIo_Win32::read(pipe.server, buffer.data(), buffer.size(), received, 5000ms),
              HidIoStatus::Completed);
    EXPECT_EQ(received, 3u);
}

TEST(OverlappedIo_Win32, AReadCompletesWithTheBytesThatCame)
{
    PipePair pipe;
    ASSERT_TRUE(pipe.isConnected());
    ASSERT_EQ(send(pipe.client, {9, 0x41, 0xA0}), HidIoStatus::Completed);
    Bytes buffer(16, 0);
    std::size_t received = 0;

    EXPECT_EQ(OverlappedIo_Win32::read(pipe.server, buffer.data(), buffer.size(), received, 5000ms),
              HidIoStatus::Completed);

    ASSERT_EQ(received, 3u);
    buffer.resize(received);
    EXPECT_THAT(buffer, ElementsAre(9, 0x41, 0xA0));
}

TEST(OverlappedIo_Win32, AWaitingReadCompletesWhenBytesArrive)
{
    PipePair pipe;
    ASSERT_TRUE(pipe.isConnected());
    auto reading = std::async(std::launch::async, [&] {
        Bytes buffer(16);
        std::size_t received = 0;
        return OverlappedIo_Win32::read(pipe.server, buffer.data(), buffer.size(), received,
                                        10000ms);
    });

    std::this_thread::sleep_for(10ms);
    send(pipe.client, {1});

    ASSERT_EQ(reading.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(reading.get(), HidIoStatus::Completed);
}

TEST(OverlappedIo_Win32, AWriteThatCannotGoThroughInTimeTimesOut)
{
    PipePair pipe(64);
    ASSERT_TRUE(pipe.isConnected());
    const Bytes large(1 << 20, 0x55);

    EXPECT_EQ(OverlappedIo_Win32::write(pipe.server, large.data(), large.size(), 5ms),
              HidIoStatus::TimedOut);
}

TEST(OverlappedIo_Win32, RequestsWithoutAHandleOrABufferFail)
{
    Bytes buffer(16);
    std::size_t received = 0;
    PipePair pipe;

    EXPECT_EQ(OverlappedIo_Win32::read(INVALID_HANDLE_VALUE, buffer.data(), buffer.size(), received,
                                       20ms),
              HidIoStatus::Failed);
    EXPECT_EQ(OverlappedIo_Win32::read(pipe.server, nullptr, 16, received, 20ms),
              HidIoStatus::Failed);
    EXPECT_EQ(OverlappedIo_Win32::read(pipe.server, buffer.data(), 0, received, 20ms),
              HidIoStatus::Failed);
    EXPECT_EQ(OverlappedIo_Win32::write(INVALID_HANDLE_VALUE, buffer.data(), buffer.size(), 20ms),
              HidIoStatus::Failed);
    EXPECT_EQ(OverlappedIo_Win32::write(pipe.server, nullptr, 16, 20ms), HidIoStatus::Failed);
    EXPECT_EQ(OverlappedIo_Win32::write(pipe.server, buffer.data(), 0, 20ms), HidIoStatus::Failed);
}

TEST(HidHandle_Win32, ReadsAndWritesGoThroughTheHandleItWasGiven)
{
    PipePair pipe;
    ASSERT_TRUE(pipe.isConnected());
    HidHandle_Win32 handle(pipe.releaseServer(), {0x5A4C, 0x0064}, {0xFF0A, 13, 13});
    const Bytes report = {9, 1, 4};
    Bytes buffer(16);

    EXPECT_EQ(handle.write(report.data(), report.size(), 1000ms), HidIoStatus::Completed);
    EXPECT_EQ(send(pipe.client, {9, 0x41}), HidIoStatus::Completed);
    EXPECT_EQ(handle.read(buffer, 5000ms), HidIoStatus::Completed);

    EXPECT_THAT(buffer, ElementsAre(9, 0x41));
    EXPECT_EQ(handle.attributes().productId, 0x0064);
    EXPECT_EQ(handle.capabilities().usagePage, 0xFF0A);
}

TEST(HidHandle_Win32, ClosingCancelsAWaitingReadAndThenClosesTheHandle)
{
    PipePair pipe;
    ASSERT_TRUE(pipe.isConnected());
    HidHandle_Win32 handle(pipe.releaseServer(), {}, {});
    auto reading = std::async(std::launch::async, [&] {
        Bytes buffer(16);
        return handle.read(buffer, 60000ms);
    });
    std::this_thread::sleep_for(20ms);

    handle.close();

    ASSERT_EQ(reading.wait_for(10s), std::future_status::ready);
    EXPECT_NE(reading.get(), HidIoStatus::Completed);
    Bytes buffer(16);
    EXPECT_EQ(handle.read(buffer, 20ms), HidIoStatus::Failed);
    EXPECT_EQ(handle.write(buffer.data(), buffer.size(), 20ms), HidIoStatus::Failed);
    EXPECT_EQ(handle.indexedString(2, buffer), HidIoStatus::Failed);
    EXPECT_NE(send(pipe.client, {1}), HidIoStatus::Completed) << "the other end is still open";
    handle.close();
}
