// A host may load and unload the library again and again, with its pipe client running and
// connected or not: every unload must end the library's threads and return promptly.
#include "NibwireModule_Win32.h"
#include "SessionBridge_Win32.h"
#include "TestWindow_Win32.h"

#include "ipc/IPCServer_Win32.h"
#include "ipc/SectionLock_Win32.h"
#include "ipc/WintabSharedSection_Win32.h"
#include "support/FailOnCrash_Win32.h"
#include "support/ThreadCount_Win32.h"
#include "support/WaitUntil.h"

#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {

constexpr int kRounds = 20;
// Generous: an unload whose threads all leave when told takes some milliseconds, and half a
// second at most when the section's lock is held elsewhere.
constexpr std::chrono::milliseconds kLongestUnload = 1s;

struct Round {
    bool loaded = false;
    bool opened = false;
    std::chrono::milliseconds unload{0};
    // The library was still mapped after its unload.
    bool keptLoaded = false;
};

using QueryThread = LONG(NTAPI *)(HANDLE, int, void *, ULONG, ULONG *);
// NtQueryInformationThread's class for the address a thread started at.
constexpr int kThreadStartAddress = 9;

void *startAddressOf(HANDLE thread)
{
    static const auto query = reinterpret_cast<QueryThread>(reinterpret_cast<void *>(
            GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationThread")));
    void *start = nullptr;
    if (!query || query(thread, kThreadStartAddress, &start, sizeof start, nullptr) != 0)
        return nullptr;
    return start;
}

HMODULE moduleAt(const void *address)
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS
                               | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<LPCWSTR>(address), &module);
    return module;
}

// The threads of this process that started in `module`'s code.
std::vector<DWORD> threadsStartedIn(HMODULE module)
{
    std::vector<DWORD> found;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return found;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != GetCurrentProcessId())
            continue;
        const HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
        if (!thread)
            continue;
        const void *start = startAddressOf(thread);
        if (start && moduleAt(start) == module)
            found.push_back(entry.th32ThreadID);
        CloseHandle(thread);
    }
    CloseHandle(snapshot);
    return found;
}

// Threads held still, as if stuck, until resumed.
class HeldThreads
{
public:
    explicit HeldThreads(const std::vector<DWORD> &ids)
    {
        for (const DWORD id : ids) {
            const HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME | SYNCHRONIZE, FALSE, id);
            if (thread && SuspendThread(thread) != DWORD(-1))
                threads.push_back(thread);
            else if (thread)
                CloseHandle(thread);
        }
    }
    ~HeldThreads()
    {
        if (!resumed)
            resume();
        for (const HANDLE thread : threads)
            CloseHandle(thread);
    }
    HeldThreads(const HeldThreads &) = delete;
    HeldThreads &operator=(const HeldThreads &) = delete;

    std::size_t count() const { return threads.size(); }
    void resume()
    {
        for (const HANDLE thread : threads)
            ResumeThread(thread);
        resumed = true;
    }
    bool allEndWithin(std::chrono::milliseconds patience) const
    {
        return WaitForMultipleObjects(DWORD(threads.size()), threads.data(), TRUE,
                                      DWORD(patience.count()))
               < WAIT_OBJECT_0 + threads.size();
    }

private:
    std::vector<HANDLE> threads;
    bool resumed = false;
};

// One host's use: load, ask for information (which starts the client), open a context, unload.
Round loadUseAndUnload(HWND window, const std::function<void()> &beforeUnload)
{
    Round round;
    const HMODULE module = LoadLibraryW(NibwireModule::path().c_str());
    round.loaded = module != nullptr;
    if (!module)
        return round;
    const auto info = reinterpret_cast<NibwireApi::Info>(
            reinterpret_cast<void *>(GetProcAddress(module, "WTInfoA")));
    const auto openA = reinterpret_cast<NibwireApi::OpenA>(
            reinterpret_cast<void *>(GetProcAddress(module, "WTOpenA")));
    info(WTI_INTERFACE, IFC_WINTABID, nullptr);
    LOGCONTEXTA record{};
    round.opened = openA(window, &record, TRUE) != nullptr;
    if (beforeUnload)
        beforeUnload();
    const auto start = std::chrono::steady_clock::now();
    FreeLibrary(module);
    round.unload = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
    round.keptLoaded = GetModuleHandleW(L"Nibwire.dll") != nullptr;
    return round;
}

// Runs `rounds` on a worker thread; a hang ends the test program with a failure instead of
// leaving it waiting for the test time-out.
void runOrFail(const std::function<void()> &rounds, std::chrono::seconds patience)
{
    const HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread worker([&] {
        rounds();
        SetEvent(done);
    });
    if (WaitForSingleObject(done, DWORD(std::chrono::milliseconds(patience).count()))
        != WAIT_OBJECT_0) {
        std::fprintf(stderr, "load and unload rounds hang\n");
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
    }
    worker.join();
    CloseHandle(done);
}

class NibwireUnload : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bridge.ready());
        ASSERT_TRUE(bridge.clearAll());
        ASSERT_NE(window.handle(), nullptr);
    }

    // A first round lets the system start whatever threads of its own a window, a pipe or a
    // library load bring; the count is taken after it.
    void runRounds(const std::function<void()> &beforeUnload = nullptr)
    {
        // Both counts are taken on the rounds' own thread, which is one of the threads counted.
        int before = -1;
        int after = -1;
        std::vector<Round> rounds;
        runOrFail(
                [&] {
                    loadUseAndUnload(window.handle(), beforeUnload);
                    before = threadsSettledAt(-1, 2s);
                    for (int n = 0; n < kRounds; ++n)
                        rounds.push_back(loadUseAndUnload(window.handle(), beforeUnload));
                    after = threadsSettledAt(before, 2s);
                },
                60s);
        ASSERT_GT(before, 0);
        ASSERT_EQ(rounds.size(), std::size_t(kRounds));
        for (std::size_t n = 0; n < rounds.size(); ++n) {
            SCOPED_TRACE(n);
            EXPECT_TRUE(rounds[n].loaded);
            EXPECT_TRUE(rounds[n].opened);
            EXPECT_LT(rounds[n].unload, kLongestUnload);
            EXPECT_FALSE(rounds[n].keptLoaded) << "the unload let the library go";
        }
        EXPECT_EQ(after, before);
        // Each unload took its context along.
        EXPECT_EQ(bridge.slot(1).handle, 0u);
    }

    SessionBridge bridge;
    TestWindow window;
};

TEST_F(NibwireUnload, RoundsWithoutQZTabletEndEveryThread)
{
    runRounds();
}

TEST_F(NibwireUnload, RoundsWithAConnectedClientEndEveryThread)
{
    IPCServer server;
    ASSERT_TRUE(server.start(nullptr, nullptr));
    runRounds();
    server.stop();
}

TEST_F(NibwireUnload, RoundsThatUnloadRightAfterTheClientConnectedEndEveryThread)
{
    IPCServer server;
    std::atomic<unsigned> accepted{0};
    ASSERT_TRUE(server.start(nullptr, [&accepted](std::shared_ptr<InterprocessCommunication>,
                                                  unsigned, int event) {
        if (event == 1)
            ++accepted;
    }));
    unsigned loads = 0;
    runRounds([&] {
        // Each load connects once: unload while its reader waits in a read and a record is on
        // its way.
        ++loads;
        for (int wait = 0; wait < 500 && accepted.load() < loads; ++wait)
            std::this_thread::sleep_for(10ms);
        server.send({1, WT_PACKET, 0, 0, 0});
    });
    EXPECT_EQ(accepted.load(), loads);
    server.stop();
}

TEST_F(NibwireUnload, AnUnloadWaitsForPipeThreadsHeldPastItsBoundAndThenUnmapsTheLibrary)
{
    IPCServer server;
    ASSERT_TRUE(server.start(nullptr, nullptr));
    const HMODULE module = LoadLibraryW(NibwireModule::path().c_str());
    ASSERT_NE(module, nullptr);
    const auto info = reinterpret_cast<NibwireApi::Info>(
            reinterpret_cast<void *>(GetProcAddress(module, "WTInfoA")));
    info(WTI_INTERFACE, IFC_WINTABID, nullptr);
    ASSERT_TRUE(waitUntil([&server] { return server.connectionCount() == 1; }, 10s));
    // The reader now waits in a read, the reconnect thread for its next round (two seconds
    // after the connect): both hold no lock that the unload takes.
    std::this_thread::sleep_for(500ms);
    HeldThreads hung(threadsStartedIn(module));
    ASSERT_EQ(hung.count(), 2u) << "the reconnect thread and the reader";

    // Resumed past the unload's bound by a thread that runs already: one still starting would
    // wait for the loader lock that the unload holds.
    std::atomic<bool> resumerRunning{false};
    std::atomic<bool> resuming{false};
    std::thread resumer([&] {
        resumerRunning = true;
        std::this_thread::sleep_for(kLongestUnload);
        resuming = true;
        hung.resume();
    });
    const FailOnCrash failOnCrash;
    const bool resumerStarted = waitUntil([&resumerRunning] { return resumerRunning.load(); }, 10s);
    bool resumedBeforeTheUnloadEnded = false;
    if (resumerStarted) {
        runOrFail([&] {
            FreeLibrary(module);
            resumedBeforeTheUnloadEnded = resuming.load();
        }, 60s);
    }
    resumer.join();
    ASSERT_TRUE(resumerStarted);
    EXPECT_TRUE(resumedBeforeTheUnloadEnded) << "the unload waited for the threads";
    EXPECT_EQ(GetModuleHandleW(L"Nibwire.dll"), nullptr);
    EXPECT_TRUE(hung.allEndWithin(10s));
    server.stop();
}

TEST_F(NibwireUnload, UnloadRemovesTheContextsOfThisProcessOnly)
{
    ASSERT_TRUE(bridge.editSlot(2, [this](ContextSlot &slot) {
        slot.handle = 2;
        slot.ownerProcessId = GetCurrentProcessId() + 4;
        slot.window = std::uint64_t(reinterpret_cast<std::uintptr_t>(window.handle()));
    }));
    {
        NibwireModule module;
        LOGCONTEXTA record{};
        ASSERT_NE(module.openA()(window.handle(), &record, TRUE), nullptr);
        ASSERT_NE(module.openA()(window.handle(), &record, TRUE), nullptr);
        EXPECT_EQ(bridge.slot(1).handle, 1u);
        EXPECT_EQ(bridge.slot(3).handle, 3u);
    }
    EXPECT_EQ(bridge.slot(1).handle, 0u);
    EXPECT_EQ(bridge.slot(3).handle, 0u);
    EXPECT_EQ(bridge.slot(2).handle, 2u);
    window.pump();
}

TEST_F(NibwireUnload, AnUnloadWhileAnotherThreadHoldsTheSectionGivesUpTheSlotsPromptly)
{
    const HANDLE held = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder;
    Round round;
    runOrFail(
            [&] {
                round = loadUseAndUnload(window.handle(), [&] {
                    // QZTablet, say, busy in the section for seconds.
                    holder = std::thread([&] {
                        WintabSharedSection section(WintabSharedSection::kQzTabletLockTimeout);
                        SectionLock lock(section);
                        SetEvent(held);
                        WaitForSingleObject(release, 5000);
                    });
                    WaitForSingleObject(held, 10000);
                });
            },
            60s);
    SetEvent(release);
    holder.join();
    CloseHandle(held);
    CloseHandle(release);
    EXPECT_TRUE(round.opened);
    EXPECT_LT(round.unload.count(), 1000) << "ms";
    EXPECT_EQ(bridge.slot(1).handle, 1u) << "the slot is left for a later open to reclaim";
}

} // namespace
