// Overlapped requests with time-outs, tried on named pipes: they pend like HID reads and writes.
#include "ipc/OverlappedIo_Win32.h"

#include "ipc/OverlappedPipePair_Win32.h"
#include "ipc/OwnedHandle_Win32.h"

#include <gmock/gmock.h>

#include <future>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

namespace {

IoStatus send(HANDLE end, const Bytes &bytes)
{
    return OverlappedIo_Win32::write(end, bytes.data(), bytes.size(), 1000ms);
}

int routinesRun = 0;

void CALLBACK countRoutine(ULONG_PTR)
{
    ++routinesRun;
}

} // namespace

TEST(OverlappedIo_Win32, AReadOnAnIdleHandleTimesOutAndIsCancelled)
{
    OverlappedPipePair pipe;
    ASSERT_TRUE(pipe.isConnected());
    Bytes buffer(16);
    std::size_t received = 99;

    EXPECT_EQ(OverlappedIo_Win32::read(pipe.server, buffer.data(), buffer.size(), received, 20ms),
              IoStatus::TimedOut);
    EXPECT_EQ(received, 0u);

    // Had the timed-out read stayed pending, it would swallow these bytes.
    ASSERT_EQ(send(pipe.client, {1, 2, 3}), IoStatus::Completed);
    EXPECT_EQ(OverlappedIo_Win32::read(pipe.server, buffer.data(), buffer.size(), received, 5000ms),
              IoStatus::Completed);
    EXPECT_EQ(received, 3u);
}

TEST(OverlappedIo_Win32, AReadCompletesWithTheBytesThatCame)
{
    OverlappedPipePair pipe;
    ASSERT_TRUE(pipe.isConnected());
    ASSERT_EQ(send(pipe.client, {9, 0x41, 0xA0}), IoStatus::Completed);
    Bytes buffer(16, 0);
    std::size_t received = 0;

    EXPECT_EQ(OverlappedIo_Win32::read(pipe.server, buffer.data(), buffer.size(), received, 5000ms),
              IoStatus::Completed);

    ASSERT_EQ(received, 3u);
    buffer.resize(received);
    EXPECT_THAT(buffer, ElementsAre(9, 0x41, 0xA0));
}

TEST(OverlappedIo_Win32, AWaitingReadCompletesWhenBytesArrive)
{
    OverlappedPipePair pipe;
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
    EXPECT_EQ(reading.get(), IoStatus::Completed);
}

TEST(OverlappedIo_Win32, AWriteThatCannotGoThroughInTimeTimesOut)
{
    OverlappedPipePair pipe(64);
    ASSERT_TRUE(pipe.isConnected());
    const Bytes large(1 << 20, 0x55);

    EXPECT_EQ(OverlappedIo_Win32::write(pipe.server, large.data(), large.size(), 5ms),
              IoStatus::TimedOut);
}

TEST(OverlappedIo_Win32, RequestsWithoutAHandleOrABufferFail)
{
    Bytes buffer(16);
    std::size_t received = 0;
    OverlappedPipePair pipe;

    EXPECT_EQ(OverlappedIo_Win32::read(INVALID_HANDLE_VALUE, buffer.data(), buffer.size(), received,
                                       20ms),
              IoStatus::Failed);
    EXPECT_EQ(OverlappedIo_Win32::read(pipe.server, nullptr, 16, received, 20ms),
              IoStatus::Failed);
    EXPECT_EQ(OverlappedIo_Win32::read(pipe.server, buffer.data(), 0, received, 20ms),
              IoStatus::Failed);
    EXPECT_EQ(OverlappedIo_Win32::write(INVALID_HANDLE_VALUE, buffer.data(), buffer.size(), 20ms),
              IoStatus::Failed);
    EXPECT_EQ(OverlappedIo_Win32::write(pipe.server, nullptr, 16, 20ms), IoStatus::Failed);
    EXPECT_EQ(OverlappedIo_Win32::write(pipe.server, buffer.data(), 0, 20ms), IoStatus::Failed);
}

TEST(OverlappedIo_Win32, AWakeEventEndsAWaitWithoutTimeOutAndTheReadIsCancelled)
{
    OverlappedPipePair pipe;
    ASSERT_TRUE(pipe.isConnected());
    const OwnedHandle event = OwnedHandle::newEvent();
    const OwnedHandle wake = OwnedHandle::newEvent();
    auto reading = std::async(std::launch::async, [&] {
        Bytes buffer(16);
        std::size_t received = 99;
        OverlappedIo_Win32::Wait wait;
        wait.wake = wake.get();
        const IoStatus status = OverlappedIo_Win32::read(pipe.server, event.get(), buffer.data(),
                                                         buffer.size(), received, wait);
        return std::make_pair(status, received);
    });
    std::this_thread::sleep_for(20ms);

    SetEvent(wake.get());

    ASSERT_EQ(reading.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(reading.get(), std::make_pair(IoStatus::Failed, std::size_t(0)));
    // Had the read stayed pending, it would swallow these bytes.
    ASSERT_EQ(send(pipe.client, {4, 5}), IoStatus::Completed);
    Bytes buffer(16);
    std::size_t received = 0;
    EXPECT_EQ(OverlappedIo_Win32::read(pipe.server, buffer.data(), buffer.size(), received, 5000ms),
              IoStatus::Completed);
    EXPECT_EQ(received, 2u);
}

TEST(OverlappedIo_Win32, AnAlertableWaitRunsQueuedRoutinesAndGoesOnWaiting)
{
    OverlappedPipePair pipe;
    ASSERT_TRUE(pipe.isConnected());
    const OwnedHandle event = OwnedHandle::newEvent();
    routinesRun = 0;
    ASSERT_NE(QueueUserAPC(countRoutine, GetCurrentThread(), 0), 0u);
    std::thread writer([&] {
        std::this_thread::sleep_for(50ms);
        send(pipe.client, {7});
    });
    Bytes buffer(16);
    std::size_t received = 0;
    OverlappedIo_Win32::Wait wait;
    wait.timeout = 10000ms;
    wait.alertable = true;

    const IoStatus status = OverlappedIo_Win32::read(pipe.server, event.get(), buffer.data(),
                                                     buffer.size(), received, wait);
    writer.join();

    EXPECT_EQ(routinesRun, 1);
    EXPECT_EQ(status, IoStatus::Completed);
    EXPECT_EQ(received, 1u);
}

TEST(OverlappedIo_Win32, AKeptEventServesOneRequestAfterAnother)
{
    OverlappedPipePair pipe;
    ASSERT_TRUE(pipe.isConnected());
    const OwnedHandle event = OwnedHandle::newEvent();
    OverlappedIo_Win32::Wait wait;
    wait.timeout = 1000ms;
    const Bytes first = {1, 2, 3};
    const Bytes second = {4, 5};

    EXPECT_EQ(OverlappedIo_Win32::write(pipe.client, event.get(), first.data(), first.size(), wait),
              IoStatus::Completed);
    EXPECT_EQ(OverlappedIo_Win32::write(pipe.client, event.get(), second.data(), second.size(),
                                        wait),
              IoStatus::Completed);

    Bytes buffer(16);
    std::size_t received = 0;
    ASSERT_EQ(OverlappedIo_Win32::read(pipe.server, event.get(), buffer.data(), buffer.size(),
                                       received, wait),
              IoStatus::Completed);
    buffer.resize(received);
    EXPECT_THAT(buffer, ElementsAre(1, 2, 3, 4, 5));
    // The event is still set from the last request; a read with nothing to read must wait anyway.
    buffer.assign(16, 0);
    wait.timeout = 20ms;
    EXPECT_EQ(OverlappedIo_Win32::read(pipe.server, event.get(), buffer.data(), buffer.size(),
                                       received, wait),
              IoStatus::TimedOut);
}
