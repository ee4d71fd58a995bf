#pragma once

#include <windows.h>

// The event that the overlapped HID reads and writes of one thread wait on. A thread makes it
// with its first request and reuses it for every later one (a request always ends before the
// next starts on the same thread, and each request resets it when it starts); it is closed when
// the thread ends. A read thread and a writing thread thus each keep one event for their life
// instead of making and closing one per report.
class HidThreadEvent_Win32
{
public:
    // This thread's event; null when none could be made (the next call tries again).
    static HANDLE current();
};
