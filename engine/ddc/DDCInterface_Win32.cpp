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

std::vector<HMONITOR> listedDisplays()
{
    std::vector<HMONITOR> displays;
    EnumDisplayMonitors(nullptr, nullptr, collectDisplay, reinterpret_cast<LPARAM>(&displays));
    return displays;
}

HMONITOR displayAt(int index)
{
    const std::vector<HMONITOR> displays = listedDisplays();
    return index >= 0 && index < int(displays.size()) ? displays[std::size_t(index)] : nullptr;
}

std::string deviceNameOf(HMONITOR display)
{
    MONITORINFOEXW info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(display, &info))
        return {};
    char name[4 * CCHDEVICENAME] = {};
    WideCharToMultiByte(CP_UTF8, 0, info.szDevice, -1, name, int(sizeof name), nullptr, nullptr);
    return name;
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

int DDCInterface_Win32::displayIndexOf(const std::string &deviceName)
{
    const std::vector<HMONITOR> displays = listedDisplays();
    for (std::size_t index = 0; index < displays.size(); ++index) {
        if (!deviceName.empty() && deviceNameOf(displays[index]) == deviceName)
            return int(index);
    }
    return -1;
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
