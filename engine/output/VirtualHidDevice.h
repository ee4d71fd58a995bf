#pragma once

#include "engine/hid/IHidBackend.h"

#include <cstdint>
#include <string>

// The virtual HID device that takes every pointer, pen and keyboard output report: an interface
// whose path contains "tablet" and that carries our vendor id, this product id and usage page.
constexpr std::uint16_t VirtualHidProductId = 0xFFFE;
constexpr std::uint16_t VirtualHidUsagePage = 0xFF00;

// The path of the first enumerated interface that is the virtual device, or an empty text when
// there is none. Paths that cannot be opened are passed over; every handle opened here is closed
// again before this returns.
std::string findVirtualHidDevice(IHidBackend &backend, std::uint16_t vendorId,
                                 std::uint16_t productId);
