#include "engine/core/SlimCondition.h"

#include <windows.h>

#include <algorithm>

static_assert(sizeof(CONDITION_VARIABLE) == sizeof(void *), "a CONDITION_VARIABLE is one pointer");

void SlimCondition::notifyAll()
{
    WakeAllConditionVariable(reinterpret_cast<PCONDITION_VARIABLE>(&conditionVariable));
}

void SlimCondition::waitOnce(SlimMutex &mutex, Clock::duration timeout)
{
    // Rounded up, so that a wait never ends before its deadline for want of a millisecond.
    const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(timeout).count();
    const DWORD wait = DWORD(std::clamp<decltype(milliseconds)>(milliseconds, 0, INFINITE - 1));
    SleepConditionVariableSRW(reinterpret_cast<PCONDITION_VARIABLE>(&conditionVariable),
                              reinterpret_cast<PSRWLOCK>(&mutex.srwLock), wait, 0);
}
