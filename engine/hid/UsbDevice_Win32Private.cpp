#include "engine/hid/UsbDevice_Win32Private.h"

#include <utility>

namespace {
constexpr std::size_t kDefaultStringRequestSize = 64;
}

UsbDevice_Win32Private::UsbDevice_Win32Private(std::shared_ptr<IHidBackend> backend)
    : backend(std::move(backend))
{
}

UsbDevice_Win32Private::~UsbDevice_Win32Private()
{
    close();
}

bool UsbDevice_Win32Private::open(const std::string &path)
{
    close();
    if (!backend)
        return false;
    std::shared_ptr<IHidHandle> opened = backend->open(path);
    if (!opened)
        return false;
    const HidAttributes attributes = opened->attributes();
    const HidCapabilities capabilities = opened->capabilities();
    vendor = attributes.vendorId;
    product = attributes.productId;
    inputLength = capabilities.inputReportLength;
    outputLength = capabilities.outputReportLength;
    openedPath = path;
    std::lock_guard<std::mutex> lock(handleMutex);
    handle = std::move(opened);
    return true;
}

void UsbDevice_Win32Private::close()
{
    std::shared_ptr<IHidHandle> closing;
    {
        std::lock_guard<std::mutex> lock(handleMutex);
        closing.swap(handle);
    }
    // Outside the lock: closing waits for requests in flight, which do not take it.
    if (closing)
        closing->close();
}

bool UsbDevice_Win32Private::isOpen() const
{
    return currentHandle() != nullptr;
}

HidIoStatus UsbDevice_Win32Private::read(std::vector<std::uint8_t> &buffer,
                                         std::chrono::milliseconds timeout)
{
    const std::shared_ptr<IHidHandle> device = currentHandle();
    if (!device || buffer.empty())
        return HidIoStatus::Failed;
    return device->read(buffer, timeout);
}

bool UsbDevice_Win32Private::write(const std::uint8_t *report, std::size_t size,
                                   std::chrono::milliseconds timeout)
{
    const std::shared_ptr<IHidHandle> device = currentHandle();
    if (!device || !report || size == 0)
        return false;
    return device->write(report, size, timeout) == HidIoStatus::Completed;
}

bool UsbDevice_Win32Private::write(const std::vector<std::uint8_t> &report,
                                   std::chrono::milliseconds timeout)
{
    return write(report.data(), report.size(), timeout);
}

bool UsbDevice_Win32Private::indexedString(std::uint32_t index, std::vector<std::uint8_t> &buffer)
{
    const std::shared_ptr<IHidHandle> device = currentHandle();
    if (!device)
        return false;
    if (buffer.empty())
        buffer.resize(kDefaultStringRequestSize);
    return device->indexedString(index, buffer) == HidIoStatus::Completed;
}

std::shared_ptr<IHidHandle> UsbDevice_Win32Private::currentHandle() const
{
    std::lock_guard<std::mutex> lock(handleMutex);
    return handle;
}
