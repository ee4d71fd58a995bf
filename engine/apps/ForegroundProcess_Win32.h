#pragma once

#include "engine/apps/IForegroundProcess.h"

#include <windows.h>

// The program of the foreground window, as Windows tells it.
class ForegroundProcess_Win32 : public IForegroundProcess
{
public:
    bool foregroundProcess(ProcessEntry &process) const override;

    // The program that owns `window`: false when it cannot be told.
    static bool processOfWindow(HWND window, ProcessEntry &process);
};
