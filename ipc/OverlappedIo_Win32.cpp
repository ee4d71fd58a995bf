#include "ipc/OverlappedIo_Win32.h"

#include <algorithm>

namespace {

class CompletionEvent
{
public:
    CompletionEvent() : event(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~CompletionEvent()
    {
        if (event)
            CloseHandle(event);
    }
    CompletionEvent(const CompletionEvent &) = delete;
    CompletionEvent &operator=(const CompletionEvent &) = delete;

    HANDLE get() const { return event; }

private:
    const HANDLE event;
};

DWORD waitMilliseconds(std::chrono::milliseconds timeout)
{
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

// Waits for the request of `overlapped`. When it is not done in time it is cancelled, and the
// cancellation is waited for: a request that completed just as the time ran out still counts.
HidIoStatus finish(HANDLE handle, OVERLAPPED &overlapped, std::chrono::milliseconds timeout,
                   DWORD &transferred)
{
    const DWORD waited = WaitForSingleObject(overlapped.hEvent, waitMilliseconds(timeout));
    if (waited != WAIT_OBJECT_0)
        CancelIoEx(handle, &overlapped);
    if (GetOverlappedResult(handle, &overlapped, &transferred, TRUE))
        return HidIoStatus::Completed;
    return waited == WAIT_TIMEOUT ? HidIoStatus::TimedOut : HidIoStatus::Failed;
}

} // namespace

HidIoStatus OverlappedIo_Win32::read(HANDLE handle, std::uint8_t *buffer, std::size_t size,
                                     std::size_t &received, std::chrono::milliseconds timeout)
{
    received = 0;
    CompletionEvent event;
    if (!buffer || !fitsOneRequest(size) || !event.get())
        return HidIoStatus::Failed;
    OVERLAPPED overlapped{};
    overlapped.hEvent = event.get();
    if (!startedOrPending(ReadFile(handle, buffer, DWORD(size), nullptr, &overlapped)))
        return HidIoStatus::Failed;
    DWORD transferred = 0;
    const HidIoStatus status = finish(handle, overlapped, timeout, transferred);
    received = transferred;
    return status;
}

HidIoStatus OverlappedIo_Win32::write(HANDLE handle, const std::uint8_t *data, std::size_t size,
                                      std::chrono::milliseconds timeout)
{
    CompletionEvent event;
    if (!data || !fitsOneRequest(size) || !event.get())
        return HidIoStatus::Failed;
    OVERLAPPED overlapped{};
    overlapped.hEvent = event.get();
    if (!startedOrPending(WriteFile(handle, data, DWORD(size), nullptr, &overlapped)))
        return HidIoStatus::Failed;
    DWORD transferred = 0;
    const HidIoStatus status = finish(handle, overlapped, timeout, transferred);
    if (status == HidIoStatus::Completed && transferred != size)
        return HidIoStatus::Failed;
    return status;
}
