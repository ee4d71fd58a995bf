#include "engine/core/SlimMutex.h"

#include <windows.h>

static_assert(sizeof(SRWLOCK) == sizeof(void *), "an SRWLOCK is one pointer");

void SlimMutex::lock()
{
    AcquireSRWLockExclusive(reinterpret_cast<PSRWLOCK>(&srwLock));
}

void SlimMutex::unlock()
{
    ReleaseSRWLockExclusive(reinterpret_cast<PSRWLOCK>(&srwLock));
}
