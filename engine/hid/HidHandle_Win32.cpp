#include "engine/hid/HidHandle_Win32.h"

#include "engine/hid/HidSdi_Win32.h"
#include "engine/hid/HidThreadEvent_Win32.h"
#include "ipc/OverlappedIo_Win32.h"

#include <algorithm>
#include <mutex>

namespace {

OverlappedIo_Win32::Wait waitFor(std::chrono::milliseconds timeout)
{
    OverlappedIo_Win32::Wait wait;
    wait.timeout = timeout;
    return wait;
}

} // namespace

HidHandle_Win32::HidHandle_Win32(HANDLE handle, const HidAttributes &attributes,
                                 const HidCapabilities &capabilities)
    : handle(handle),
      deviceAttributes(attributes),
      deviceCapabilities(capabilities)
{
}

HidHandle_Win32::~HidHandle_Win32()
{
    close();
}

HidIoStatus HidHandle_Win32::indexedString(std::uint32_t index, std::vector<std::uint8_t> &buffer)
{
    std::shared_lock<std::shared_mutex> lock(requests);
    if (closing || buffer.empty() || buffer.size() > MAXDWORD)
        return HidIoStatus::Failed;
    std::fill(buffer.begin(), buffer.end(), std::uint8_t(0));
    const bool answered =
            HidD_GetIndexedString(handle.get(), index, buffer.data(), ULONG(buffer.size()));
    return answered ? HidIoStatus::Completed : HidIoStatus::Failed;
}

HidIoStatus HidHandle_Win32::read(std::vector<std::uint8_t> &buffer,
                                  std::chrono::milliseconds timeout)
{
    std::shared_lock<std::shared_mutex> lock(requests);
    if (closing)
        return HidIoStatus::Failed;
    std::size_t received = 0;
    const HidIoStatus status = OverlappedIo_Win32::read(handle.get(), HidThreadEvent_Win32::current(),
                                                        buffer.data(), buffer.size(), received,
                                                        waitFor(timeout));
    if (status == HidIoStatus::Completed)
        buffer.resize(received);
    return status;
}

HidIoStatus HidHandle_Win32::write(const std::uint8_t *report, std::size_t size,
                                   std::chrono::milliseconds timeout)
{
    std::shared_lock<std::shared_mutex> lock(requests);
    if (closing)
        return HidIoStatus::Failed;
    return OverlappedIo_Win32::write(handle.get(), HidThreadEvent_Win32::current(), report, size,
                                     waitFor(timeout));
}

void HidHandle_Win32::close()
{
    if (closing.exchange(true))
        return;
    CancelIoEx(handle.get(), nullptr);
    std::unique_lock<std::shared_mutex> lock(requests);
    handle.reset();
}
