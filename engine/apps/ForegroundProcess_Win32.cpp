#include "engine/apps/ForegroundProcess_Win32.h"

#include "engine/apps/ProcessList_Win32.h"

#include <QFileInfo>

bool ForegroundProcess_Win32::foregroundProcess(ProcessEntry &process) const
{
    return processOfWindow(GetForegroundWindow(), process);
}

bool ForegroundProcess_Win32::processOfWindow(HWND window, ProcessEntry &process)
{
    if (!window)
        return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == 0)
        return false;
    const QString path = processImagePath(processId);
    const QString name = QFileInfo(path).completeBaseName().toUpper();
    if (name.isEmpty())
        return false;
    process.name = name;
    process.path = path;
    process.icon = QIcon();
    return true;
}
