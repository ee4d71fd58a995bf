#pragma once

#include <cstdint>
#include <string>

// Device paths of HID interfaces, as the system spells them in enumeration and in
// device-change broadcasts.
namespace TabletInterfacePath {

// True when the path names the tablet's own interface: the maker's vendor id ("VID_" and four
// upper-case hexadecimal digits) and interface "MI_02", compared without regard to case.
bool isTabletInterface(const std::string &path, std::uint16_t vendorId);

std::string toUpper(std::string text);
std::string toLower(std::string text);

} // namespace TabletInterfacePath
