#include "engine/apps/ProcessList_Win32.h"

#include "engine/apps/ForegroundProcess_Win32.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <windows.h>
#include <sddl.h>

#include <chrono>
#include <thread>

namespace {

using namespace std::chrono_literals;

QString ownPath()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return QString::fromWCharArray(path, int(length));
}

// A command interpreter that reads its commands from a pipe and lives until the pipe closes.
class WaitingInterpreter
{
public:
    // `security`: the process's security descriptor in SDDL, or none for the default one.
    explicit WaitingInterpreter(const wchar_t *security = nullptr)
    {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (security && !ConvertStringSecurityDescriptorToSecurityDescriptorW(security, SDDL_REVISION_1, &descriptor,
                                                                              nullptr))
            return;
        SECURITY_ATTRIBUTES processSecurity = {sizeof(processSecurity), descriptor, FALSE};
        SECURITY_ATTRIBUTES inherited = {sizeof(inherited), nullptr, TRUE};
        if (!CreatePipe(&input, &feed, &inherited, 0))
            return;
        SetHandleInformation(feed, HANDLE_FLAG_INHERIT, 0);
        output = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0,
                             nullptr);
        wchar_t folder[MAX_PATH] = {};
        GetSystemDirectoryW(folder, MAX_PATH);
        const std::wstring interpreter = std::wstring(folder) + L"\\cmd.exe";
        wchar_t commandLine[] = L"cmd.exe /q";
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = input;
        startup.hStdOutput = output;
        startup.hStdError = output;
        started = CreateProcessW(interpreter.c_str(), commandLine, descriptor ? &processSecurity : nullptr, nullptr,
                                 TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
        if (descriptor)
            LocalFree(descriptor);
    }

    ~WaitingInterpreter()
    {
        if (feed)
            CloseHandle(feed);
        if (started) {
            if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
                TerminateProcess(process.hProcess, 1);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        if (input)
            CloseHandle(input);
        if (output != INVALID_HANDLE_VALUE)
            CloseHandle(output);
    }

    bool started = false;
    PROCESS_INFORMATION process = {};

private:
    HANDLE input = nullptr;
    HANDLE feed = nullptr;
    HANDLE output = INVALID_HANDLE_VALUE;
};

bool findProcess(std::uint32_t id, RunningProcess &found)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (const RunningProcess &process : snapshotProcesses()) {
            if (process.id == id && !process.path.isEmpty()) {
                found = process;
                return true;
            }
        }
        std::this_thread::sleep_for(50ms);
    }
    return false;
}

} // namespace

TEST(ProcessList_Win32, TheOwnProcessHasItsExecutablesPath)
{
    int gdiObjects = -1;
    EXPECT_EQ(processImagePath(GetCurrentProcessId(), &gdiObjects).toLower(), ownPath().toLower());
    EXPECT_GE(gdiObjects, 0);
}

TEST(ProcessList_Win32, AProcessThatDoesNotExistHasNoPath)
{
    int gdiObjects = 7;
    EXPECT_TRUE(processImagePath(0xFFFFFFF0u, &gdiObjects).isEmpty());
    EXPECT_EQ(gdiObjects, 7);
}

TEST(ProcessList_Win32, AStartedProgramIsInTheSnapshotWithItsNameAndPath)
{
    WaitingInterpreter child;
    ASSERT_TRUE(child.started);
    RunningProcess found;
    ASSERT_TRUE(findProcess(child.process.dwProcessId, found));
    EXPECT_EQ(found.exeName.toLower(), QStringLiteral("cmd.exe"));
    EXPECT_TRUE(found.path.endsWith(QStringLiteral("\\cmd.exe"), Qt::CaseInsensitive)) << found.path.toStdString();
    EXPECT_EQ(processImagePath(child.process.dwProcessId), found.path);
}

// An elevated program refuses a normal user's query-and-read rights but still grants limited
// query rights; such a program keeps its path, from its image name.
TEST(ProcessList_Win32, AProcessThatRefusesReadingIsOpenedWithLimitedRights)
{
    WaitingInterpreter child(L"D:(A;;0x101000;;;WD)"); // SYNCHRONIZE and limited query rights
    ASSERT_TRUE(child.started);
    const HANDLE refused = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, child.process.dwProcessId);
    if (refused)
        CloseHandle(refused);
    ASSERT_EQ(refused, nullptr) << "the process grants more than it was made to";
    int gdiObjects = -1;
    const QString path = processImagePath(child.process.dwProcessId, &gdiObjects);
    EXPECT_TRUE(path.endsWith(QStringLiteral("\\cmd.exe"), Qt::CaseInsensitive)) << path.toStdString();
    EXPECT_EQ(gdiObjects, 0) << "a program without windows";
}

TEST(ForegroundProcess_Win32, AWindowsProgramIsItsOwningProcess)
{
    const HWND window = CreateWindowExW(0, L"STATIC", L"qz-foreground-probe", WS_POPUP, 0, 0, 10, 10, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    ProcessEntry process;
    const bool found = ForegroundProcess_Win32::processOfWindow(window, process);
    DestroyWindow(window);
    ASSERT_TRUE(found);
    EXPECT_EQ(process.name, QFileInfo(ownPath()).completeBaseName().toUpper());
    EXPECT_EQ(process.path.toLower(), ownPath().toLower());
    EXPECT_TRUE(process.icon.isNull());
}

TEST(ForegroundProcess_Win32, NoWindowNoProgram)
{
    ProcessEntry process;
    EXPECT_FALSE(ForegroundProcess_Win32::processOfWindow(nullptr, process));
    ForegroundProcess_Win32 detector;
    if (detector.foregroundProcess(process)) {
        EXPECT_FALSE(process.name.isEmpty());
    }
}
