// Hosts that load Nibwire, ask it for information and unload it, with no context ever opened:
// each one connects to QZTablet's pipe and goes away again, and the Wintab driver must not keep
// its connection.
#include "engine/wintab/WintabDriverInterface_Win32.h"

#include "engine/support/WintabProbeProcess.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

using namespace std::chrono_literals;

namespace {

// One connection left behind fails the count at the end; sixty hosts give the unload that races
// with the host's own connect enough chances.
constexpr int kCycles = 60;
constexpr int kPauseMs = 20;

bool cyclerExists()
{
    const std::wstring cycler = wintabProbeFolder() + L"\\NibwireLoadCycler.exe";
    return GetFileAttributesW(cycler.c_str()) != INVALID_FILE_ATTRIBUTES;
}

HANDLE startCycler(int cycles, int pauseMs)
{
    const std::wstring folder = wintabProbeFolder();
    std::wstring commandLine = L"\"" + folder + L"\\NibwireLoadCycler.exe\" "
                               + std::to_wstring(cycles) + L" " + std::to_wstring(pauseMs);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

} // namespace

TEST(WintabClientsGone, HostsThatLoadAndUnloadNibwireLeaveNoConnectionBehind)
{
    ASSERT_TRUE(cyclerExists()) << "NibwireLoadCycler.exe is built in the nibwire tree";
    WintabDriverInterface_Win32 driver;
    ASSERT_TRUE(driver.open());

    const HANDLE cycler = startCycler(kCycles, kPauseMs);
    ASSERT_NE(cycler, nullptr);
    int mostClients = 0;
    const auto deadline = std::chrono::steady_clock::now() + 100s;
    while (WaitForSingleObject(cycler, 2) == WAIT_TIMEOUT
           && std::chrono::steady_clock::now() < deadline)
        mostClients = std::max(mostClients, driver.clientCount());
    DWORD exitCode = 99;
    const bool ended = WaitForSingleObject(cycler, 0) == WAIT_OBJECT_0;
    if (!ended)
        TerminateProcess(cycler, 98);
    GetExitCodeProcess(cycler, &exitCode);
    CloseHandle(cycler);
    ASSERT_TRUE(ended) << "the host did not finish its " << kCycles << " cycles";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_GT(mostClients, 0) << "no host ever connected";
    // One library loaded at a time, and the one before it perhaps not yet noticed as gone: a
    // connection that outlives its unload adds up here while the host still runs, where its
    // exit would close it and hide it from the count below.
    EXPECT_LE(mostClients, 2) << "connections kept after their library was unloaded";

    const auto settled = std::chrono::steady_clock::now() + 5s;
    while (driver.clientCount() != 0 && std::chrono::steady_clock::now() < settled)
        std::this_thread::sleep_for(10ms);
    EXPECT_EQ(driver.clientCount(), 0);
}
