#include "engine/core/WindowsEnginePlatform_Win32.h"

#include "engine/actions/ProgramStart_Win32.h"
#include "engine/apps/ForegroundProcess_Win32.h"
#include "engine/apps/ProcessList_Win32.h"
#include "engine/device/TabletManager_Win32.h"
#include "engine/display/DisplayManager_Win32.h"
#include "engine/hid/ProgramHidBackend_Win32.h"
#include "engine/output/WindowsDriverSet_Win32.h"

#include <windows.h>

namespace {

QPoint cursorPosition()
{
    POINT point = {};
    if (!GetCursorPos(&point))
        return QPoint();
    return QPoint(point.x, point.y);
}

} // namespace

EnginePlatform createWindowsEnginePlatform()
{
    EnginePlatform platform;
    platform.hid = createProgramHidBackend();
    platform.listener = std::make_unique<TabletManager_Win32>();
    platform.drivers = createWindowsDriverSet(platform.hid);
    platform.displays = DisplayManager_Win32::instance();
    platform.cursorPosition = cursorPosition;
    platform.foreground = std::make_shared<ForegroundProcess_Win32>();
    platform.runningProcesses = [] { return listRunningProcesses(); };
    platform.startProgram = runProgramDetached;
    return platform;
}
