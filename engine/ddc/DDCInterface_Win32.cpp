#include "engine/ddc/DDCInterface_Win32.h"

#include "engine/ddc/DxvaMonitorChannel_Win32.h"

#include <memory>
#include <utility>

namespace {

// The system rejects larger counts; a display never has that many monitors behind it.
constexpr DWORD kMaxPhysicalMonitors = 15;

BOOL CALLBACK collectDisplay(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    auto *list = reinterpret_cast<std::vector<HMONITOR> *>(data);
    list->push_back(monitor);
    return list->size() < std::size_t(IDDCInterface::kMaxDisplays);
}

HMONITOR displayAt(int index)
{
    std::vector<HMONITOR> displays;
    EnumDisplayMonitors(nullptr, nullptr, collectDisplay, reinterpret_cast<LPARAM>(&displays));
    return index >= 0 && index < int(displays.size()) ? displays[std::size_t(index)] : nullptr;
}

} // namespace

DDCInterface_Win32::DDCInterface_Win32(Pause pause)
    : DdcChannelInterface(std::move(pause))
{
}

DDCInterface_Win32::~DDCInterface_Win32()
{
    releasePhysicalMonitors();
}

bool DDCInterface_Win32::init(int monitorIndex)
{
    releasePhysicalMonitors();
    display = displayAt(monitorIndex);
    if (!display || !listPhysicalMonitors())
        return false;
    if (bindChannel(std::make_shared<DxvaMonitorChannel_Win32>(physicalMonitors.front().hPhysicalMonitor)))
        return true;
    releasePhysicalMonitors();
    return false;
}

bool DDCInterface_Win32::listPhysicalMonitors()
{
    DWORD count = 0;
    if (!GetNumberOfPhysicalMonitorsFromHMONITOR(display, &count) || count < 1 || count > kMaxPhysicalMonitors)
        return false;
    std::vector<PHYSICAL_MONITOR> listed(count);
    if (!GetPhysicalMonitorsFromHMONITOR(display, count, listed.data()))
        return false;
    physicalMonitors = std::move(listed);
    return true;
}

void DDCInterface_Win32::releasePhysicalMonitors()
{
    unbindChannel();
    if (!physicalMonitors.empty())
        DestroyPhysicalMonitors(DWORD(physicalMonitors.size()), physicalMonitors.data());
    physicalMonitors.clear();
    display = nullptr;
}
