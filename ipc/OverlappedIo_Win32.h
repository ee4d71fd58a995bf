#pragma once

#include "ipc/IoStatus.h"

#include <windows.h>

#include <chrono>
#include <cstddef>
#include <cstdint>

// Reads, writes and other requests on a handle opened for overlapped I/O, waited for with a
// time-out. A request that is not done in time is cancelled, and its completion is awaited before
// returning: the system never touches the buffer, the OVERLAPPED or the event after these
// functions returned.
class OverlappedIo_Win32
{
public:
    // A wait without a time-out.
    static constexpr std::chrono::milliseconds kNoTimeout = std::chrono::milliseconds::max();

    struct Wait
    {
        std::chrono::milliseconds timeout = kNoTimeout;
        // When set, this event ends the wait early: the request is cancelled (a request that
        // completed meanwhile still counts). The caller tells a stop from a failure itself.
        HANDLE wake = nullptr;
        // Completion routines queued to this thread run while it waits.
        bool alertable = false;
    };

    // With an event of their own.
    static IoStatus read(HANDLE handle, std::uint8_t *buffer, std::size_t size,
                         std::size_t &received, std::chrono::milliseconds timeout);
    static IoStatus write(HANDLE handle, const std::uint8_t *data, std::size_t size,
                          std::chrono::milliseconds timeout);

    // With the caller's manual-reset `event`, kept for many requests: a request that completes at
    // once costs no wait.
    static IoStatus read(HANDLE handle, HANDLE event, std::uint8_t *buffer, std::size_t size,
                         std::size_t &received, const Wait &wait);
    static IoStatus write(HANDLE handle, HANDLE event, const std::uint8_t *data, std::size_t size,
                          const Wait &wait);

    // Waits for the request that was started on `overlapped` (its hEvent set) and did not fail at
    // once. Completed: `transferred` holds the bytes it moved.
    static IoStatus finish(HANDLE handle, OVERLAPPED &overlapped, const Wait &wait,
                           DWORD &transferred);
};
