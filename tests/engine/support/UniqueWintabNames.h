#pragma once

#include "engine/wintab/WintabDriverInterface_Win32.h"

#include <windows.h>

#include <atomic>
#include <string>

// Section, mutex and pipe names of this test process alone, so Wintab drivers of tests that
// run at the same time never meet, nor meet the session's own.
inline WintabDriverInterface_Win32::Names uniqueWintabNames()
{
    static std::atomic<int> counter{0};
    const std::string tag = "qz_test_" + std::to_string(GetCurrentProcessId()) + "_"
                            + std::to_string(++counter);
    WintabDriverInterface_Win32::Names names;
    names.section = "Local\\" + tag + "_section";
    names.mutex = "Local\\" + tag + "_mutex";
    names.pipePrefix = "\\\\.\\pipe\\" + tag;
    return names;
}
