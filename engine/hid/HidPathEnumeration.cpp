#include "engine/hid/HidPathEnumeration.h"

#include "engine/device/TabletInterfacePath.h"

#include <cstdio>

namespace {

bool matchesFilter(const std::string &path, const std::string &upperFilter)
{
    const std::string upperPath = TabletInterfacePath::toUpper(path);
    return upperPath.find("VID_" + upperFilter) != std::string::npos
            && upperPath.find("MI_02") != std::string::npos;
}

} // namespace

std::vector<std::string> enumerateHidPaths(IHidBackend &backend, const std::string &filter)
{
    const std::string upperFilter = TabletInterfacePath::toUpper(filter);
    std::vector<std::string> paths;
    for (const HidInterface &found : backend.enumerateInterfaces()) {
        if (found.hardwareIds.empty())
            continue;
        if (filter.empty())
            paths.push_back(found.path);
        else if (matchesFilter(found.path, upperFilter))
            paths.push_back(TabletInterfacePath::toLower(found.path));
    }
    return paths;
}

std::vector<std::string> enumerateTabletHidPaths(IHidBackend &backend, std::uint16_t vendorId)
{
    char filter[8];
    std::snprintf(filter, sizeof filter, "%04X", unsigned(vendorId));
    return enumerateHidPaths(backend, filter);
}
