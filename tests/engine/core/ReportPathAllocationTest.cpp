// Allocations on a tablet's read thread, counted by a replaced global operator new. A program
// of its own, since the replacement counts for every test in it.
#include "engine/core/AppLogic.h"

#include "engine/device/TabletDevice_Win32.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/support/SimulatedTablet.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <new>
#include <vector>

namespace {

thread_local bool countedThread = false;
std::atomic<std::size_t> countedAllocations{0};

void *allocate(std::size_t size)
{
    if (countedThread)
        ++countedAllocations;
    if (void *memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

} // namespace

void *operator new(std::size_t size)
{
    return allocate(size);
}

void *operator new[](std::size_t size)
{
    return allocate(size);
}

void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}

void *operator new[](std::size_t size, const std::nothrow_t &) noexcept
{
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}

void operator delete(void *memory) noexcept
{
    std::free(memory);
}

void operator delete[](void *memory) noexcept
{
    std::free(memory);
}

void operator delete(void *memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete[](void *memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

const char kPath[] = "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&1111&0&0000";

Bytes penReport(std::uint8_t status, std::uint16_t x, std::uint16_t pressure)
{
    return {9, 'A', status, std::uint8_t(x), std::uint8_t(x >> 8), 0x10, 0x27, std::uint8_t(pressure),
            std::uint8_t(pressure >> 8), 0, 0, 5, 0xFB};
}

// The reports of a stroke with keys, a dial and the touch control between its packets.
std::vector<Bytes> reports()
{
    std::vector<Bytes> all;
    for (int i = 0; i < 64; ++i) {
        all.push_back(penReport(i % 8 == 0 ? 0xA0 : 0xA1, std::uint16_t(1000 + 100 * i), std::uint16_t(50 * i)));
        if (i % 16 == 5)
            all.push_back({9, 'B', 1, 1, 0x04, 0, 0, 0, 0});
        if (i % 16 == 9)
            all.push_back({9, 'B', 3, 1, 3, 0, 0, 0, 0});
        if (i % 16 == 13)
            all.push_back({9, 'C', 1, 0x10, 0, 0, 0, 0, 0});
    }
    all.push_back(penReport(0xC0, 7400, 0));
    all.push_back(penReport(0xC0, 7400, 0)); // dropped by the out-of-range filter
    return all;
}

// Counts the allocations of the thread that calls the device's report callback from the first
// report on, and the reports that went through.
class CountedReadThread
{
public:
    explicit CountedReadThread(TabletDevice_Win32 &device)
    {
        const TabletDevice_Win32::ReportCallback engine = device.reportCallback();
        device.setReportCallback([this, engine](const std::uint8_t *report, std::size_t size) {
            countedThread = true;
            engine(report, size);
            std::lock_guard<std::mutex> lock(mutex);
            ++handled;
            changed.notify_all();
        });
    }

    bool waitFor(std::size_t reports)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, 10s, [&] { return handled >= reports; });
    }

private:
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t handled = 0;
};

TabletConfigurePtr wholeScreen()
{
    auto configure = std::make_shared<TabletConfigure>();
    configure->mapping.absRect = QRect(0, 0, 1920, 1080);
    configure->mapping.part = QRect(0, 0, 1920, 1080);
    configure->mapping.desktopSize = QSize(1920, 1080);
    return configure;
}

} // namespace

TEST(ReportPathAllocations, TheReadThreadAllocatesNothingFromReadToQueue)
{
    for (const bool workerRuns : {true, false}) {
        SCOPED_TRACE(workerRuns ? "the worker takes the packets" : "the queue runs full");
        countedAllocations = 0; // the previous round's read thread logged its end
        auto bus = std::make_shared<SimulatedHidBus>();
        bus->addDevice(simulatedTablet(kPath, "QZ-Pen 6"));
        EnginePlatform platform;
        platform.hid = bus;
        AppLogic logic(std::move(platform));
        logic.setConfigure(wholeScreen());
        logic.start();
        if (!workerRuns)
            logic.stop();
        ASSERT_TRUE(logic.currentDevice());
        CountedReadThread readThread(*logic.currentDevice());

        const std::vector<Bytes> stroke = reports();
        const int rounds = workerRuns ? 4 : 40; // beyond the queue's limit without the worker
        std::size_t fed = 0;
        for (int round = 0; round < rounds; ++round) {
            // The handle keeps 32 reports; more at once would drop some before they are read.
            for (std::size_t first = 0; first < stroke.size(); first += 16) {
                for (std::size_t i = first; i < std::min(first + 16, stroke.size()); ++i)
                    ASSERT_TRUE(bus->feedReport(kPath, stroke[i]));
                fed += std::min<std::size_t>(16, stroke.size() - first);
                ASSERT_TRUE(readThread.waitFor(fed));
            }
        }
        EXPECT_EQ(countedAllocations, 0u);
        if (!workerRuns) {
            EXPECT_EQ(logic.queuedPacketCount(), std::size_t(AppLogic::kQueueLimit) + 1);
        }
    }
}
