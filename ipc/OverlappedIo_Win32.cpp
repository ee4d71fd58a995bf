#include "ipc/OverlappedIo_Win32.h"

#include "ipc/OwnedHandle_Win32.h"

#include <algorithm>

namespace {

using Clock = std::chrono::steady_clock;

DWORD waitMilliseconds(std::chrono::milliseconds timeout)
{
    if (timeout == OverlappedIo_Win32::kNoTimeout)
        return INFINITE;
    const long long longest = INFINITE - 1;
    return DWORD(std::clamp<long long>(timeout.count(), 0, longest));
}

bool fitsOneRequest(std::size_t size)
{
    return size > 0 && size <= MAXDWORD;
}

bool startedOrPending(BOOL started)
{
    return started || GetLastError() == ERROR_IO_PENDING;
}

// Waits for the request's event or the wake event. Completion routines that run during an
// alertable wait do not end it: the wait goes on for the time that is left.
DWORD waitForRequest(OVERLAPPED &overlapped, const OverlappedIo_Win32::Wait &wait)
{
    const HANDLE handles[2] = {overlapped.hEvent, wait.wake};
    const DWORD count = wait.wake ? 2 : 1;
    const bool forever = wait.timeout == OverlappedIo_Win32::kNoTimeout;
    const Clock::time_point deadline =
            forever ? Clock::time_point::max() : Clock::now() + wait.timeout;
    for (;;) {
        std::chrono::milliseconds left = wait.timeout;
        if (!forever)
            left = std::max(std::chrono::milliseconds(0),
                            std::chrono::duration_cast<std::chrono::milliseconds>(
                                    deadline - Clock::now()));
        const DWORD waited = WaitForMultipleObjectsEx(count, handles, FALSE,
                                                      waitMilliseconds(left), wait.alertable);
        if (waited != WAIT_IO_COMPLETION)
            return waited;
    }
}

} // namespace

IoStatus OverlappedIo_Win32::finish(HANDLE handle, OVERLAPPED &overlapped, const Wait &wait,
                                    DWORD &transferred)
{
    transferred = 0;
    DWORD waited = WAIT_OBJECT_0;
    if (!HasOverlappedIoCompleted(&overlapped))
        waited = waitForRequest(overlapped, wait);
    if (waited != WAIT_OBJECT_0)
        CancelIoEx(handle, &overlapped);
    // A request that completed just as the time ran out still counts.
    if (GetOverlappedResult(handle, &overlapped, &transferred, TRUE))
        return IoStatus::Completed;
    transferred = 0;
    return waited == WAIT_TIMEOUT ? IoStatus::TimedOut : IoStatus::Failed;
}

IoStatus OverlappedIo_Win32::read(HANDLE handle, std::uint8_t *buffer, std::size_t size,
                                  std::size_t &received, std::chrono::milliseconds timeout)
{
    received = 0;
    const OwnedHandle event = OwnedHandle::newEvent();
    if (!event)
        return IoStatus::Failed;
    Wait wait;
    wait.timeout = timeout;
    return read(handle, event.get(), buffer, size, received, wait);
}

IoStatus OverlappedIo_Win32::write(HANDLE handle, const std::uint8_t *data, std::size_t size,
                                   std::chrono::milliseconds timeout)
{
    const OwnedHandle event = OwnedHandle::newEvent();
    if (!event)
        return IoStatus::Failed;
    Wait wait;
    wait.timeout = timeout;
    return write(handle, event.get(), data, size, wait);
}

IoStatus OverlappedIo_Win32::read(HANDLE handle, HANDLE event, std::uint8_t *buffer,
                                  std::size_t size, std::size_t &received, const Wait &wait)
{
    received = 0;
    if (!event || !buffer || !fitsOneRequest(size))
        return IoStatus::Failed;
    OVERLAPPED overlapped{};
    overlapped.hEvent = event;
    if (!startedOrPending(ReadFile(handle, buffer, DWORD(size), nullptr, &overlapped)))
        return IoStatus::Failed;
    DWORD transferred = 0;
    const IoStatus status = finish(handle, overlapped, wait, transferred);
    received = transferred;
    return status;
}

IoStatus OverlappedIo_Win32::write(HANDLE handle, HANDLE event, const std::uint8_t *data,
                                   std::size_t size, const Wait &wait)
{
    if (!event || !data || !fitsOneRequest(size))
        return IoStatus::Failed;
    OVERLAPPED overlapped{};
    overlapped.hEvent = event;
    if (!startedOrPending(WriteFile(handle, data, DWORD(size), nullptr, &overlapped)))
        return IoStatus::Failed;
    DWORD transferred = 0;
    const IoStatus status = finish(handle, overlapped, wait, transferred);
    if (status == IoStatus::Completed && transferred != size)
        return IoStatus::Failed;
    return status;
}
