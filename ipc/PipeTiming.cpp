#include "ipc/PipeTiming.h"

namespace PipeTiming {

std::chrono::milliseconds reconnectInterval(int requestedMs)
{
    if (requestedMs < 500)
        return kDefaultReconnectInterval;
    return std::chrono::milliseconds(requestedMs);
}

} // namespace PipeTiming
