#include "engine/output/VirtualHidReportSink.h"

#include <string>
#include <utility>

VirtualHidReportSink::VirtualHidReportSink(std::shared_ptr<IHidBackend> backend,
                                           std::uint16_t vendorId, std::uint16_t productId)
    : backend(std::move(backend)),
      vendorId(vendorId),
      productId(productId),
      virtualDevice(std::make_shared<UsbDevice_Win32Private>(this->backend))
{
}

bool VirtualHidReportSink::open()
{
    if (!backend)
        return false;
    const std::string path = findVirtualHidDevice(*backend, vendorId, productId);
    return !path.empty() && virtualDevice->open(path);
}

bool VirtualHidReportSink::writeReport(const std::uint8_t *data, std::size_t size)
{
    return virtualDevice->write(data, size, WriteTimeout);
}
