// A host process that ends with the library still loaded: the library's threads are gone before
// its DllMain hears of it, so nothing may wait for them, and the process's contexts must still
// be removed.
#include "NibwireModule_Win32.h"
#include "SessionBridge_Win32.h"
#include "TestWindow_Win32.h"

#include "ipc/IPCServer_Win32.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

using namespace std::chrono_literals;

namespace {

constexpr wchar_t kChildVariable[] = L"NIBWIRE_TEST_EXIT_CHILD";
// Disabled, so only the parent test runs it, as its child process.
constexpr char kChildTest[] = "NibwireProcessExit.DISABLED_ChildEndsWithTheLibraryLoaded";

std::wstring thisProgram()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// Runs this program's child test with its output thrown away; its exit code, or -1 when it did
// not end within `patience`.
long runChild(std::chrono::milliseconds patience)
{
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const HANDLE nowhere = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                       OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nowhere;
    std::wstring commandLine = L"\"" + thisProgram() + L"\" --gtest_also_run_disabled_tests --gtest_filter="
            + std::wstring(kChildTest, kChildTest + sizeof kChildTest - 1);
    SetEnvironmentVariableW(kChildVariable, L"1");
    PROCESS_INFORMATION child{};
    const BOOL started = CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &child);
    SetEnvironmentVariableW(kChildVariable, nullptr);
    CloseHandle(nowhere);
    if (!started)
        return -2;
    long result = -1;
    if (WaitForSingleObject(child.hProcess, DWORD(patience.count())) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(child.hProcess, &code);
        result = long(code);
    } else {
        TerminateProcess(child.hProcess, 9);
    }
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return result;
}

TEST(NibwireProcessExit, DISABLED_ChildEndsWithTheLibraryLoaded)
{
    ASSERT_NE(GetEnvironmentVariableW(kChildVariable, nullptr, 0), 0u)
            << "runs only as the child of ProcessEndingWithTheLibraryLoadedEndsPromptly";
    const HMODULE module = LoadLibraryW(NibwireModule::path().c_str());
    ASSERT_NE(module, nullptr);
    const auto openA = reinterpret_cast<NibwireApi::OpenA>(
            reinterpret_cast<void *>(GetProcAddress(module, "WTOpenA")));
    // The window lives on until the process ends; so does the library.
    const HWND window = (new TestWindow)->handle();
    LOGCONTEXTA record{};
    ASSERT_NE(openA(window, &record, TRUE), nullptr);
    // Time for the client to connect and its reader to wait in a read.
    std::this_thread::sleep_for(1s);
}

TEST(NibwireProcessExit, ProcessEndingWithTheLibraryLoadedEndsPromptlyAndLeavesNoContext)
{
    SessionBridge bridge;
    ASSERT_TRUE(bridge.ready());
    ASSERT_TRUE(bridge.clearAll());
    IPCServer server;
    std::atomic<int> accepted{0};
    ASSERT_TRUE(server.start(nullptr, [&](std::shared_ptr<InterprocessCommunication>, unsigned,
                                          int event) { accepted += event == 1 ? 1 : 0; }));
    EXPECT_EQ(runChild(60s), 0);
    EXPECT_EQ(accepted.load(), 1) << "the child's client was connected";
    for (std::uint32_t handle = 1; handle <= 16; ++handle)
        EXPECT_EQ(bridge.slot(handle).handle, 0u) << "slot " << handle;
    server.stop();
}

} // namespace
