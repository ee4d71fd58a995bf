#pragma once

#include "ipc/WintabSharedSection_Win32.h"

#include <windows.h>

#include <chrono>

// Holds the section's named mutex for one scope of one thread. The system ties a mutex to the
// thread that acquired it, so the guard is neither copied nor moved: the thread that took it
// releases it. A mutex abandoned by a thread or process that ended is ours once the wait returns,
// so that counts as acquired as well.
class SectionLock
{
public:
    explicit SectionLock(WintabSharedSection &section);
    // Waits at most `timeout` instead of the section's own lock time-out.
    SectionLock(WintabSharedSection &section, std::chrono::milliseconds timeout);
    ~SectionLock();
    SectionLock(const SectionLock &) = delete;
    SectionLock &operator=(const SectionLock &) = delete;

    bool owns() const { return owned; }
    explicit operator bool() const { return owned; }
    // The wait's result: WAIT_OBJECT_0, WAIT_ABANDONED, WAIT_TIMEOUT or WAIT_FAILED.
    DWORD waitResult() const { return result; }
    bool wasAbandoned() const { return result == WAIT_ABANDONED; }

    // Releases before the end of the scope; true when this guard held the mutex and let it go.
    bool unlock();

private:
    HANDLE mutex;
    DWORD result = WAIT_FAILED;
    bool owned = false;
};
