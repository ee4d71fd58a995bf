#pragma once

#include "engine/hid/IHidHandle.h"
#include "ipc/OwnedHandle_Win32.h"

#include <windows.h>

#include <atomic>
#include <shared_mutex>

// A HID interface opened through the system for overlapped I/O; each request waits on the event
// of the thread that makes it (HidThreadEvent_Win32).
class HidHandle_Win32 : public IHidHandle
{
public:
    // Takes over `handle`, which was opened with FILE_FLAG_OVERLAPPED.
    HidHandle_Win32(HANDLE handle, const HidAttributes &attributes,
                    const HidCapabilities &capabilities);
    ~HidHandle_Win32() override;

    HidHandle_Win32(const HidHandle_Win32 &) = delete;
    HidHandle_Win32 &operator=(const HidHandle_Win32 &) = delete;

    HidAttributes attributes() const override { return deviceAttributes; }
    HidCapabilities capabilities() const override { return deviceCapabilities; }
    HidIoStatus indexedString(std::uint32_t index, std::vector<std::uint8_t> &buffer) override;
    HidIoStatus read(std::vector<std::uint8_t> &buffer, std::chrono::milliseconds timeout) override;
    HidIoStatus write(const std::uint8_t *report, std::size_t size,
                      std::chrono::milliseconds timeout) override;
    // Cancels the requests in flight and closes the handle once they have returned.
    void close() override;

private:
    OwnedHandle handle;
    const HidAttributes deviceAttributes;
    const HidCapabilities deviceCapabilities;
    // Held shared by every request and exclusively while closing, so the handle is never closed
    // under a request; `closing` keeps new requests from starting meanwhile.
    std::shared_mutex requests;
    std::atomic<bool> closing{false};
};
