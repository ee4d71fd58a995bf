#include "engine/device/TabletInterfacePath.h"

#include <algorithm>
#include <cstdio>

namespace TabletInterfacePath {

std::string toUpper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    return text;
}

std::string toLower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return text;
}

bool isTabletInterface(const std::string &path, std::uint16_t vendorId)
{
    char vendorTag[16];
    std::snprintf(vendorTag, sizeof vendorTag, "VID_%04X", unsigned(vendorId));
    const std::string upper = toUpper(path);
    return upper.find(vendorTag) != std::string::npos && upper.find("MI_02") != std::string::npos;
}

} // namespace TabletInterfacePath
