#pragma once

#include "engine/device/IDeviceListener.h"

#include <atomic>
#include <functional>
#include <future>
#include <mutex>

// Follows the arrival and removal of the tablet's HID interface: a hidden window on a thread of
// its own receives the system's device-change broadcasts and reports the tablet's interface
// through the status callback, on that thread.
class TabletManager_Win32 : public IDeviceListener
{
public:
    static constexpr const wchar_t *kWindowClass = L"TabletManager_Win32_ListenWndClass";

    TabletManager_Win32() = default;
    TabletManager_Win32(const TabletManager_Win32 &) = delete;
    TabletManager_Win32 &operator=(const TabletManager_Win32 &) = delete;
    ~TabletManager_Win32() override;

    void setStatusCallback(StatusCallback callback) override;

    // Starts the listener thread and waits until its window exists. False without a callback
    // or when the window could not be created.
    bool start() override;
    // Closes the window and waits for the thread. Safe to call when not started.
    void stop() override;

    // Called by the window procedure for a broadcast of a HID interface.
    void onInterfaceBroadcast(bool arrived, const char *devicePath);

private:
    int runListener(std::promise<bool> &created);

    std::mutex mutex_;
    StatusCallback callback_;
    bool started_ = false;
    std::future<int> task_;
    std::atomic<void *> window_{nullptr};
};
