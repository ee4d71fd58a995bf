#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// A device-interface broadcast of the system's device-change message, read only after its
// header and sizes were checked: any process may send the message, with any bytes.
struct DeviceInterfaceBroadcast
{
    std::array<std::uint8_t, 16> interfaceClass{}; // the interface class GUID as it is stored
    std::u16string name;                           // the device name, without its 0
};

// Layout (little-endian): a 12-byte header of the broadcast's size, its device type and a
// reserved word; a device-interface broadcast goes on with its interface class (16 bytes) and
// the device name in UTF-16 up to a 0 unit.
namespace DeviceBroadcast {

constexpr std::size_t kHeaderSize = 12;
constexpr std::uint32_t kDeviceInterfaceType = 5;
// Header, interface class and a name of one unit, padded to 4 bytes, as the system lays out the
// interface record.
constexpr std::size_t kInterfaceRecordSize = 32;
constexpr std::size_t kNameOffset = 28;

// The broadcast in the `readable` bytes at `bytes`, when it is a device-interface broadcast
// whose size covers the header and the interface record but not more than `readable`, and
// whose name ends within that size.
std::optional<DeviceInterfaceBroadcast> readDeviceInterface(const std::uint8_t *bytes,
                                                            std::size_t readable);

} // namespace DeviceBroadcast
