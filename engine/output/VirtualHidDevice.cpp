#include "engine/output/VirtualHidDevice.h"

#include "engine/hid/HidPathEnumeration.h"

#include <memory>

namespace {

// The search is case-sensitive: the device's path spells it in lower case.
bool mayBeVirtualDevice(const std::string &path)
{
    return path.find("tablet") != std::string::npos;
}

bool isVirtualDevice(IHidBackend &backend, const std::string &path, std::uint16_t vendorId,
                     std::uint16_t productId)
{
    std::unique_ptr<IHidHandle> handle = backend.open(path);
    if (!handle)
        return false;
    const HidAttributes attributes = handle->attributes();
    const HidCapabilities capabilities = handle->capabilities();
    handle->close();
    return attributes.vendorId == vendorId && attributes.productId == productId
            && capabilities.usagePage == VirtualHidUsagePage;
}

} // namespace

std::string findVirtualHidDevice(IHidBackend &backend, std::uint16_t vendorId,
                                 std::uint16_t productId)
{
    for (const std::string &path : enumerateHidPaths(backend, std::string())) {
        if (mayBeVirtualDevice(path) && isVirtualDevice(backend, path, vendorId, productId))
            return path;
    }
    return std::string();
}
