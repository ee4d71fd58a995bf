#include "ipc/SectionLock_Win32.h"

#include "ipc/IpcDiagnostics.h"

#include <string>

SectionLock::SectionLock(WintabSharedSection &section)
    : SectionLock(section, section.lockTimeout())
{}

SectionLock::SectionLock(WintabSharedSection &section, std::chrono::milliseconds timeout)
    : mutex(section.mutex.get())
{
    if (!mutex)
        return;
    const long long longest = INFINITE - 1;
    const long long wanted = timeout.count();
    const DWORD wait = DWORD(wanted < 0 ? 0 : wanted > longest ? longest : wanted);
    result = WaitForSingleObject(mutex, wait);
    owned = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    if (!owned)
        writeIpcDiagnostic("lock fail, dwWait:" + std::to_string(result));
}

SectionLock::~SectionLock()
{
    unlock();
}

bool SectionLock::unlock()
{
    if (!owned)
        return false;
    if (!ReleaseMutex(mutex)) {
        const std::string line = "DLL ReleaseMutex fail,errno:" + std::to_string(GetLastError());
        OutputDebugStringA(line.c_str());
        return false;
    }
    owned = false;
    return true;
}
