#include "engine/actions/ProgramStart_Win32.h"

#include "engine/actions/ProgramCommand.h"

#include <windows.h>

#include <exception>
#include <string>
#include <thread>
#include <vector>

namespace {

// The interpreter of the system folder, never one that happens to lie in the current folder.
std::wstring commandInterpreter()
{
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::wstring();
    return std::wstring(folder, length) + L"\\cmd.exe";
}

} // namespace

// Wide throughout: a path with characters outside the ANSI code page starts as well.
bool runProgram(const QString &path)
{
    const std::wstring interpreter = commandInterpreter();
    const std::wstring command = programCommandLine(path).toStdWString();
    std::vector<wchar_t> commandLine(command.begin(), command.end());
    commandLine.push_back(L'\0');

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(interpreter.empty() ? nullptr : interpreter.c_str(), commandLine.data(), nullptr,
                        nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void runProgramDetached(const QString &path)
{
    try {
        std::thread([path] { runProgram(path); }).detach();
    } catch (const std::exception &) {
        // No thread could be made: the program is not started, as when it fails to start.
    }
}
