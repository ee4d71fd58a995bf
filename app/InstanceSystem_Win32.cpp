#include "app/InstanceSystem_Win32.h"

#include <QCoreApplication>

#include <windows.h>

namespace {

// A process counts as running until it has an exit code: one that cannot be opened is gone
// (or was never there), except that a process of another account may refuse the query.
bool isProcessRunning(qint64 processId)
{
    if (processId <= 0 || processId > qint64(MAXDWORD))
        return false;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(processId));
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD exitCode = 0;
    const bool running = GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

QString accountName()
{
    // An account name has at most 256 characters.
    wchar_t name[257];
    DWORD length = 257;
    if (GetUserNameW(name, &length) && length > 0)
        return QString::fromWCharArray(name, int(length) - 1);
    return QString::fromLocal8Bit(qgetenv("USERNAME"));
}

} // namespace

InstanceSystem windowsInstanceSystem()
{
    InstanceSystem system;
    system.processId = QCoreApplication::applicationPid();
    system.userName = accountName();
    system.processRunning = isProcessRunning;
    return system;
}
