#include "engine/device/TabletDevice_Win32.h"

#include "engine/core/YieldDelay.h"
#include "engine/device/TabletIdentity.h"
#include "engine/hid/UsbDevice_Win32Private.h"

#include <QLoggingCategory>

#include <chrono>
#include <vector>

namespace {

Q_LOGGING_CATEGORY(lcHid, "qz.hid")

constexpr int kStringRequestPause = 30;
constexpr int kOptionalStringPause = 10;
constexpr int kModeReportPause = 35;
constexpr int kModeSwitchTimeout = 200;
constexpr std::chrono::milliseconds kReadTimeout(20);
// After a failed read (device gone) the thread waits this long before trying again.
constexpr std::chrono::milliseconds kFailedReadPause(20);
constexpr std::size_t kFallbackReportLength = 13;
constexpr std::size_t kLongestReport = 64;
constexpr std::size_t kOptionalStringSize = 32;

bool readString(UsbDevice_Win32Private &device, std::uint32_t index, std::vector<std::uint8_t> &bytes,
                std::size_t size = 0)
{
    bytes.assign(size, 0);
    return device.indexedString(index, bytes);
}

std::string textOf(const std::vector<std::uint8_t> &bytes)
{
    return TabletIdentity::indexedStringText(bytes.data(), bytes.size());
}

} // namespace

TabletDevice_Win32::TabletDevice_Win32(std::shared_ptr<IHidBackend> backend)
    : backend_(std::move(backend))
{
}

TabletDevice_Win32::~TabletDevice_Win32()
{
    close();
}

bool TabletDevice_Win32::open(const std::string &path)
{
    close();
    auto handle = std::make_shared<UsbDevice_Win32Private>(backend_);
    if (!handle->open(path)) {
        qCDebug(lcHid) << "cannot open" << path.c_str();
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(stateMutex_);
        handle_ = handle;
    }
    if (!identify()) {
        qCDebug(lcHid) << "identification failed" << path.c_str();
        close();
        return false;
    }
    if (!switchMode(kReportingMode)) {
        qCDebug(lcHid) << "the tablet refused reporting mode" << path.c_str();
        close();
        return false;
    }
    stop_ = false; // cleared before the thread starts, so an early close is never lost
    reader_ = std::thread(&TabletDevice_Win32::readLoop, this);
    return true;
}

void TabletDevice_Win32::close()
{
    clearReportCallback();
    stop_ = true;
    if (reader_.joinable())
        reader_.join();
    std::shared_ptr<UsbDevice_Win32Private> handle;
    {
        std::lock_guard<std::mutex> lock(stateMutex_);
        handle.swap(handle_);
    }
    if (handle)
        handle->close();
}

bool TabletDevice_Win32::identify()
{
    std::shared_ptr<UsbDevice_Win32Private> device;
    {
        std::lock_guard<std::mutex> lock(stateMutex_);
        device = handle_;
    }
    if (!device)
        return false;

    TabletDeviceInfo info;
    info.path = device->path();
    info.vendorId = device->vendorId();
    info.productId = device->productId();
    info.penDisplay = TabletIdentity::isPenDisplayProduct(info.productId);

    std::vector<std::uint8_t> bytes;
    yieldDelay(kStringRequestPause);
    if (!readString(*device, 2, bytes))
        return false;
    info.product = textOf(bytes);
    TabletIdentity::applyModelTable(info);

    yieldDelay(kStringRequestPause);
    if (!readString(*device, 3, bytes))
        return false;
    info.string3 = textOf(bytes);

    yieldDelay(kStringRequestPause);
    if (!readString(*device, 22, bytes))
        return false;
    info.coordinateWidth = TabletIdentity::coordinateWidthFromString22(bytes.data(), bytes.size());

    yieldDelay(kStringRequestPause);
    if (!readString(*device, 20, bytes) || !TabletIdentity::readFeatureBlock(bytes.data(), bytes.size(), info))
        return false;

    yieldDelay(kOptionalStringPause);
    if (readString(*device, 23, bytes, kOptionalStringSize))
        info.string23 = textOf(bytes);

    std::lock_guard<std::mutex> lock(stateMutex_);
    info_ = info;
    return true;
}

bool TabletDevice_Win32::switchMode(std::uint8_t mode)
{
    yieldDelay(kModeReportPause);
    if (!writeModeReport(1, mode == kReportingMode ? 4 : 2, kModeSwitchTimeout))
        return false;
    const TabletDeviceInfo identity = info();
    if (identity.keyCount > 0 || identity.valueC > 0) {
        yieldDelay(kModeReportPause);
        writeModeReport(2, 2, kModeSwitchTimeout);
    }
    if (identity.valueD != 0) {
        yieldDelay(kModeReportPause);
        writeModeReport(3, 2, kModeSwitchTimeout);
    }
    return true;
}

bool TabletDevice_Win32::writeModeReport(std::uint8_t kind, std::uint8_t value, int timeoutMilliseconds)
{
    std::shared_ptr<UsbDevice_Win32Private> device;
    {
        std::lock_guard<std::mutex> lock(stateMutex_);
        device = handle_;
    }
    if (!device)
        return false;
    std::vector<std::uint8_t> report(device->outputReportLength(), 0);
    if (report.size() < 3)
        return false;
    report[0] = 9;
    report[1] = kind;
    report[2] = value;
    return device->write(report, std::chrono::milliseconds(timeoutMilliseconds));
}

std::size_t TabletDevice_Win32::readLength() const
{
    std::lock_guard<std::mutex> lock(stateMutex_);
    const std::size_t length = handle_ ? handle_->inputReportLength() : 0;
    return length == 0 || length > kLongestReport ? kFallbackReportLength : length;
}

void TabletDevice_Win32::readLoop()
{
    std::shared_ptr<UsbDevice_Win32Private> device;
    {
        std::lock_guard<std::mutex> lock(stateMutex_);
        device = handle_;
    }
    const std::size_t length = readLength();
    std::vector<std::uint8_t> report;
    while (!stop_) {
        report.assign(length, 0);
        const HidIoStatus status = device->read(report, kReadTimeout);
        if (status == HidIoStatus::Completed) {
            std::lock_guard<std::mutex> lock(callbackMutex_);
            if (callback_)
                callback_(report.data(), report.size());
        } else if (status == HidIoStatus::Failed) {
            std::this_thread::sleep_for(kFailedReadPause);
        }
    }
    qCDebug(lcHid) << "read thread stopped" << info().path.c_str();
}

void TabletDevice_Win32::setReportCallback(ReportCallback callback)
{
    std::lock_guard<std::mutex> lock(callbackMutex_);
    callback_ = std::move(callback);
}

void TabletDevice_Win32::clearReportCallback()
{
    std::lock_guard<std::mutex> lock(callbackMutex_);
    callback_ = nullptr;
}

TabletDevice_Win32::ReportCallback TabletDevice_Win32::reportCallback()
{
    std::lock_guard<std::mutex> lock(callbackMutex_);
    return callback_;
}

TabletDeviceInfo TabletDevice_Win32::info() const
{
    std::lock_guard<std::mutex> lock(stateMutex_);
    return info_;
}
