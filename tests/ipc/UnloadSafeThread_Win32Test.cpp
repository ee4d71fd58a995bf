// Threads that a library can stop while it is being unloaded. The loader lock is taken here the
// way an unloading DllMain holds it: a thread's exit then has to wait, and a stop must not.
#include "ipc/IPCClient_Win32.h"
#include "ipc/IPCServer_Win32.h"
#include "ipc/OwnedHandle_Win32.h"
#include "ipc/SessionId_Win32.h"
#include "ipc/UnloadSafeThread_Win32.h"
#include "support/FailOnCrash_Win32.h"
#include "support/ThreadCount_Win32.h"

#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

using namespace std::chrono_literals;

namespace {

// Holds the process's loader lock for its lifetime.
class LoaderLock
{
public:
    LoaderLock()
    {
        const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        lockFunction = reinterpret_cast<Lock>(
                reinterpret_cast<void *>(GetProcAddress(ntdll, "LdrLockLoaderLock")));
        unlockFunction = reinterpret_cast<Unlock>(
                reinterpret_cast<void *>(GetProcAddress(ntdll, "LdrUnlockLoaderLock")));
        held = lockFunction && unlockFunction && lockFunction(0, nullptr, &cookie) == 0;
    }
    ~LoaderLock() { release(); }
    LoaderLock(const LoaderLock &) = delete;
    LoaderLock &operator=(const LoaderLock &) = delete;

    bool holds() const { return held; }
    void release()
    {
        if (held)
            unlockFunction(0, cookie);
        held = false;
    }

private:
    using Lock = LONG(NTAPI *)(ULONG, ULONG *, ULONG_PTR *);
    using Unlock = LONG(NTAPI *)(ULONG, ULONG_PTR);
    Lock lockFunction = nullptr;
    Unlock unlockFunction = nullptr;
    ULONG_PTR cookie = 0;
    bool held = false;
};



std::string uniquePipePrefix()
{
    return "\\\\.\\pipe\\qz-unload-test-" + std::to_string(GetCurrentProcessId());
}

// The session's pipe of `prefix` with its only instance taken by a client: another client finds
// it busy and waits for a free instance.
struct BusyPipe
{
    explicit BusyPipe(const std::string &prefix)
    {
        const std::string name = currentSessionName(prefix);
        server.reset(CreateNamedPipeA(name.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_WAIT,
                                      1, 4096, 4096, 0, nullptr));
        holder.reset(CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 OPEN_EXISTING, 0, nullptr));
    }
    bool busy() const { return server && holder; }

    OwnedHandle server;
    OwnedHandle holder;
};

std::wstring besideThisProgram(const wchar_t *file)
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + file;
}

HMODULE moduleAt(const void *address)
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS
                               | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<LPCWSTR>(address), &module);
    return module;
}

// The thread's last step, in place of SetEvent: notes where it returns to.
void *leaveReturnAddress = nullptr;

BOOL WINAPI noteReturnAndSignal(HANDLE event)
{
    leaveReturnAddress = __builtin_return_address(0);
    return SetEvent(event);
}

// How long the data callback of IpcClientHost.dll's client holds the reader: past the bound that
// an unload once gave its threads.
constexpr auto kReaderHold = 700ms;

struct ReaderHold
{
    HANDLE entered = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> over{false};
    ~ReaderHold() { CloseHandle(entered); }
};

void holdReader(void *context)
{
    auto *hold = static_cast<ReaderHold *>(context);
    SetEvent(hold->entered);
    Sleep(DWORD(std::chrono::milliseconds(kReaderHold).count()));
    hold->over = true;
}

using StartHostClient = BOOL (*)(const char *, void (*)(void *), void *);

TEST(UnloadSafeThread, startReturnsOnceTheBodyRunsAndJoinWaitsForItsEnd)
{
    std::atomic<bool> setUp{false};
    std::atomic<bool> running{false};
    std::atomic<bool> finished{false};
    const HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    UnloadSafeThread thread;
    ASSERT_TRUE(thread.start(
            [&] {
                running = true;
                WaitForSingleObject(release, INFINITE);
                finished = true;
            },
            [&] {
                std::this_thread::sleep_for(100ms);
                setUp = true;
            }));
    EXPECT_TRUE(setUp) << "start returns once the set-up is done";
    EXPECT_TRUE(thread.running());
    EXPECT_FALSE(thread.start([] {})) << "one thread at a time";
    for (int wait = 0; wait < 500 && !running; ++wait)
        std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(running);
    SetEvent(release);
    thread.join();
    EXPECT_TRUE(finished);
    EXPECT_FALSE(thread.running());
    CloseHandle(release);
}

TEST(UnloadSafeThread, anExceptionOfTheBodyStaysInTheThread)
{
    UnloadSafeThread thread;
    ASSERT_TRUE(thread.start([] { throw std::runtime_error("body failed"); }));
    thread.join();
    EXPECT_FALSE(thread.running());
}

TEST(UnloadSafeThread, aStopUnderTheLoaderLockWaitsForTheBodyButNotForTheThreadsExit)
{
    const int before = threadsOfThisProcess();
    std::atomic<bool> finished{false};
    UnloadSafeThread thread;
    ASSERT_TRUE(thread.start([&finished] {
        std::this_thread::sleep_for(300ms);
        finished = true;
    }));
    {
        LoaderLock loaderLock;
        ASSERT_TRUE(loaderLock.holds());
        thread.waitForLeave();
        EXPECT_TRUE(finished);
        EXPECT_FALSE(thread.running());
        // Its exit needs the loader lock: the thread is still there.
        std::this_thread::sleep_for(100ms);
        EXPECT_EQ(threadsOfThisProcess(), before + 1);
    }
    EXPECT_EQ(threadsSettledAt(before), before);
}

TEST(UnloadSafeThread, theLastStepReturnsStraightToTheSystemNotIntoThisModule)
{
    leaveReturnAddress = nullptr;
    UnloadSafeThread thread;
    ASSERT_TRUE(thread.start([] {}, nullptr, &noteReturnAndSignal));
    thread.join();
    ASSERT_NE(leaveReturnAddress, nullptr);
    const HMODULE threadCode = moduleAt(reinterpret_cast<const void *>(&noteReturnAndSignal));
    ASSERT_NE(threadCode, nullptr);
    // A call in place of the jump would return into the thread's start routine, in this module,
    // which an unload may have unmapped by then.
    EXPECT_NE(moduleAt(leaveReturnAddress), threadCode);
}

TEST(IPCClientUnload, anUnloadWaitsForAReaderHeldPastItsBoundAndThenUnmapsTheLibrary)
{
    const std::string prefix = uniquePipePrefix();
    std::atomic<unsigned> accepted{0};
    IPCServer server(prefix);
    ASSERT_TRUE(server.start(nullptr, [&accepted](std::shared_ptr<InterprocessCommunication>,
                                                  unsigned, int event) {
        if (event == 1)
            ++accepted;
    }));
    const int before = threadsOfThisProcess();
    const HMODULE library = LoadLibraryW(besideThisProgram(L"IpcClientHost.dll").c_str());
    ASSERT_NE(library, nullptr);
    const auto startClient = reinterpret_cast<StartHostClient>(
            reinterpret_cast<void *>(GetProcAddress(library, "hostStartClient")));
    ASSERT_NE(startClient, nullptr);
    ReaderHold hold;
    ASSERT_TRUE(startClient(prefix.c_str(), &holdReader, &hold));
    for (int wait = 0; wait < 500 && accepted.load() == 0; ++wait)
        std::this_thread::sleep_for(10ms);
    ASSERT_EQ(server.send({1, WT_PACKET, 0, 0, 0}), 1u);
    ASSERT_EQ(WaitForSingleObject(hold.entered, 10000), WAIT_OBJECT_0);

    const FailOnCrash failOnCrash;
    FreeLibrary(library);
    EXPECT_TRUE(hold.over) << "the unload waited for the reader";
    EXPECT_EQ(GetModuleHandleW(L"IpcClientHost.dll"), nullptr);
    EXPECT_EQ(threadsSettledAt(before), before);
    server.stop();
}

TEST(IPCClientUnload, aConnectedClientStopsUnderTheLoaderLockAndItsThreadsEndAfterIt)
{
    const std::string prefix = uniquePipePrefix();
    IPCServer server(prefix);
    ASSERT_TRUE(server.start(nullptr, nullptr));
    const int before = threadsOfThisProcess();
    IPCClient client(prefix);
    client.start(nullptr, 500);
    for (int wait = 0; wait < 3000 && !client.isConnected(); ++wait)
        std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(client.isConnected());
    {
        LoaderLock loaderLock;
        ASSERT_TRUE(loaderLock.holds());
        const auto start = std::chrono::steady_clock::now();
        client.stopForUnload();
        EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
        EXPECT_FALSE(client.isConnected());
    }
    EXPECT_EQ(threadsSettledAt(before), before);
    server.stop();
}

TEST(IPCClientUnload, aClientWaitingForABusyPipeLeavesAsSoonAsItIsStopped)
{
    const std::string prefix = uniquePipePrefix();
    BusyPipe pipe(prefix);
    ASSERT_TRUE(pipe.busy());
    IPCClient client(prefix);
    client.start(nullptr, 500);
    // By now the reconnect thread waits for a free instance, which none of its half-second waits
    // would bring.
    std::this_thread::sleep_for(100ms);
    LoaderLock loaderLock;
    ASSERT_TRUE(loaderLock.holds());
    const auto start = std::chrono::steady_clock::now();
    client.stopForUnload();
    const auto stopped = std::chrono::steady_clock::now() - start;
    loaderLock.release();
    EXPECT_LT(stopped, 250ms);
    EXPECT_FALSE(client.isConnected());
}

TEST(IPCClientUnload, aClientStoppedForUnloadCanStartAgain)
{
    const std::string prefix = uniquePipePrefix();
    IPCServer server(prefix);
    ASSERT_TRUE(server.start(nullptr, nullptr));
    IPCClient client(prefix);
    client.start(nullptr, 500);
    client.stopForUnload();
    client.start(nullptr, 500);
    for (int wait = 0; wait < 3000 && !client.isConnected(); ++wait)
        std::this_thread::sleep_for(10ms);
    EXPECT_TRUE(client.isConnected());
    client.stop();
    server.stop();
}

} // namespace
