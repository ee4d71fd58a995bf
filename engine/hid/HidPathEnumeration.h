#pragma once

#include "engine/hid/IHidBackend.h"

#include <cstdint>
#include <string>
#include <vector>

// Device paths of the present HID interfaces that have a hardware-id property, in enumeration
// order. An empty filter returns every such path as it is. A filter f keeps only the paths that,
// compared in upper case, contain "VID_" followed by f and contain "MI_02"; those come back in
// lower case.
std::vector<std::string> enumerateHidPaths(IHidBackend &backend, const std::string &filter);

// The tablet's interfaces: the filter is `vendorId` as four upper-case hexadecimal digits.
std::vector<std::string> enumerateTabletHidPaths(IHidBackend &backend, std::uint16_t vendorId);
