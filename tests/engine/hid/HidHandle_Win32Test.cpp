// The HID handle over a named pipe standing in for a HID interface.
#include "engine/hid/HidHandle_Win32.h"

#include "engine/hid/HidThreadEvent_Win32.h"

#include "ipc/OverlappedIo_Win32.h"
#include "ipc/OverlappedPipePair_Win32.h"

#include <gmock/gmock.h>

#include <future>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

namespace {

HidIoStatus send(HANDLE end, const Bytes &bytes)
{
    return OverlappedIo_Win32::write(end, bytes.data(), bytes.size(), 1000ms);
}

} // namespace

TEST(HidHandle_Win32, ReadsAndWritesGoThroughTheHandleItWasGiven)
{
    OverlappedPipePair pipe;
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
    OverlappedPipePair pipe;
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

// A completed request leaves the event it waited on set: cleared before each request, the
// thread's event shows that the request used it.
TEST(HidHandle_Win32, EachThreadWaitsOnOneEventOfItsOwnThatGoesWithTheThread)
{
    OverlappedPipePair pipe;
    ASSERT_TRUE(pipe.isConnected());
    HidHandle_Win32 handle(pipe.releaseServer(), {}, {});
    const HANDLE mainEvent = HidThreadEvent_Win32::current();
    ASSERT_NE(mainEvent, nullptr);
    EXPECT_EQ(HidThreadEvent_Win32::current(), mainEvent);

    HANDLE threadEvent = nullptr;
    int requestsOnIt = 0;
    std::thread reader([&] {
        threadEvent = HidThreadEvent_Win32::current();
        for (std::uint8_t round = 0; round < 3 && threadEvent; ++round) {
            Bytes buffer(16);
            ResetEvent(threadEvent);
            if (send(pipe.client, {9, round}) == HidIoStatus::Completed
                && handle.read(buffer, 5000ms) == HidIoStatus::Completed && buffer == Bytes{9, round}
                && WaitForSingleObject(threadEvent, 0) == WAIT_OBJECT_0)
                ++requestsOnIt;
            ResetEvent(threadEvent);
            if (handle.write(buffer.data(), buffer.size(), 1000ms) == HidIoStatus::Completed
                && WaitForSingleObject(threadEvent, 0) == WAIT_OBJECT_0)
                ++requestsOnIt;
            if (HidThreadEvent_Win32::current() != threadEvent)
                requestsOnIt = -100;
        }
    });
    reader.join();

    ASSERT_NE(threadEvent, nullptr);
    EXPECT_NE(threadEvent, mainEvent);
    EXPECT_EQ(requestsOnIt, 6) << "three reads and three writes, all on the thread's one event";
    DWORD flags = 0;
    EXPECT_FALSE(GetHandleInformation(threadEvent, &flags)) << "closed when its thread ended";
    EXPECT_TRUE(GetHandleInformation(mainEvent, &flags)) << "the other thread's event stays";
}
