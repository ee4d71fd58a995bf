#include "engine/core/SlimCondition.h"

void SlimCondition::notifyAll()
{
    condition.notify_all();
}

void SlimCondition::waitOnce(SlimMutex &mutex, Clock::duration timeout)
{
    std::unique_lock<std::mutex> lock(mutex.mutex, std::adopt_lock);
    condition.wait_for(lock, timeout);
    lock.release(); // the caller's lock still holds it
}
