#pragma once

#include <chrono>

// Times of the pipe transport.
namespace PipeTiming {

// How long a server instance waits for its client before it is made anew.
inline constexpr std::chrono::milliseconds kConnectWait{5000};
// How long one record may take to be written.
inline constexpr std::chrono::milliseconds kWriteWait{100};
// The pause before a server retries a pipe that could not be created.
inline constexpr std::chrono::milliseconds kCreateRetryPause{1000};
// A client whose pipe is busy waits this long for a free instance, at most this many times.
inline constexpr std::chrono::milliseconds kBusyWait{500};
inline constexpr int kBusyAttempts = 4;
// That wait is made in steps this long, so that a stop is seen within one step.
inline constexpr std::chrono::milliseconds kBusyWaitStep{20};
inline constexpr std::chrono::milliseconds kDefaultReconnectInterval{2000};

// The client's reconnect interval: below 500 ms the default is used.
std::chrono::milliseconds reconnectInterval(int requestedMs);

} // namespace PipeTiming
