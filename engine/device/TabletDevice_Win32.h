#pragma once

#include "engine/device/TabletDeviceInfo.h"
#include "engine/hid/IHidBackend.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

class UsbDevice_Win32Private;

// One open tablet interface: identifies the tablet, switches it into reporting mode and reads
// its input reports on a thread of its own, handing each to the report callback.
class TabletDevice_Win32
{
public:
    using ReportCallback = std::function<void(const std::uint8_t *report, std::size_t size)>;

    static constexpr std::uint8_t kReportingMode = 9;

    explicit TabletDevice_Win32(std::shared_ptr<IHidBackend> backend);
    TabletDevice_Win32(const TabletDevice_Win32 &) = delete;
    TabletDevice_Win32 &operator=(const TabletDevice_Win32 &) = delete;
    ~TabletDevice_Win32();

    // Opens the interface, identifies the tablet, switches it into reporting mode and starts
    // the read thread; true only when every step succeeded.
    bool open(const std::string &path);
    // No callback runs once this returns; the read thread has ended and the handle is closed.
    void close();

    bool identify();

    void setReportCallback(ReportCallback callback);
    void clearReportCallback();
    // A copy of the callback that is set; empty when none is.
    ReportCallback reportCallback();

    TabletDeviceInfo info() const;

private:
    bool switchMode(std::uint8_t mode);
    bool writeModeReport(std::uint8_t kind, std::uint8_t value, int timeoutMilliseconds);
    void readLoop();
    std::size_t readLength() const;

    std::shared_ptr<IHidBackend> backend_;
    TabletDeviceInfo info_;
    // Guards the identity and the handle pointer; never held while the callback runs, so the
    // callback may read the identity.
    mutable std::mutex stateMutex_;
    std::shared_ptr<UsbDevice_Win32Private> handle_;
    std::thread reader_;
    std::atomic<bool> stop_{false};
    // Held while the callback runs: once it is cleared, no call is under way or to come.
    std::mutex callbackMutex_;
    ReportCallback callback_;
};
