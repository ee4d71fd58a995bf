#include "engine/device/DeviceBroadcast.h"

#include "engine/core/LittleEndian.h"

#include <algorithm>

namespace DeviceBroadcast {

namespace {

constexpr std::size_t kDeviceTypeOffset = 4;
constexpr std::size_t kClassOffset = 12;

} // namespace

std::optional<DeviceInterfaceBroadcast> readDeviceInterface(const std::uint8_t *bytes,
                                                            std::size_t readable)
{
    if (!bytes || readable < kHeaderSize)
        return std::nullopt;
    const std::size_t size = readLittleEndian(bytes, 4);
    if (size < kHeaderSize || size > readable)
        return std::nullopt;
    if (readLittleEndian(bytes + kDeviceTypeOffset, 4) != kDeviceInterfaceType
        || size < kInterfaceRecordSize)
        return std::nullopt;

    DeviceInterfaceBroadcast broadcast;
    std::copy_n(bytes + kClassOffset, broadcast.interfaceClass.size(), broadcast.interfaceClass.begin());
    for (std::size_t at = kNameOffset; at + 2 <= size; at += 2) {
        const auto unit = static_cast<char16_t>(readLittleEndian(bytes + at, 2));
        if (unit == 0)
            return broadcast;
        broadcast.name.push_back(unit);
    }
    return std::nullopt; // the name runs past the broadcast's end
}

} // namespace DeviceBroadcast
