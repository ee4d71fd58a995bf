#include "engine/core/SlimMutex.h"

void SlimMutex::lock()
{
    mutex.lock();
}

void SlimMutex::unlock()
{
    mutex.unlock();
}
