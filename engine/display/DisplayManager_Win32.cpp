#include "engine/display/DisplayManager_Win32.h"

#include "engine/ddc/DDCInterfaceFactory.h"
#include "engine/ddc/DDCInterface_Win32.h"
#include "engine/display/MonitorArrangement.h"
#include "engine/display/PenDisplayCodes.h"

#include <QGuiApplication>
#include <QScreen>

#include <windows.h>

#include <string>

namespace {

constexpr std::size_t kMaxMonitors = 8;

std::string narrow(const wchar_t *text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string result(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    result.resize(std::size_t(size) - 1);
    return result;
}

BOOL CALLBACK collectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    auto *list = reinterpret_cast<std::vector<HMONITOR> *>(data);
    list->push_back(monitor);
    return list->size() < kMaxMonitors;
}

std::vector<HMONITOR> monitorHandles()
{
    std::vector<HMONITOR> handles;
    EnumDisplayMonitors(nullptr, nullptr, collectMonitor, reinterpret_cast<LPARAM>(&handles));
    return handles;
}

// Windows rectangles exclude right and bottom; ours include them.
QRect fromWindowsRect(const RECT &rect)
{
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

QRect virtualScreen()
{
    return QRect(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                 GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

bool currentSettings(const wchar_t *deviceName, DEVMODEW &mode)
{
    mode = {};
    mode.dmSize = sizeof mode;
    return EnumDisplaySettingsW(deviceName, ENUM_CURRENT_SETTINGS, &mode);
}

std::string monitorIdentifier(const wchar_t *adapterName)
{
    DISPLAY_DEVICEW monitor = {};
    monitor.cb = sizeof monitor;
    if (!EnumDisplayDevicesW(adapterName, 0, &monitor, 0))
        return {};
    return MonitorArrangement::identifierFromDeviceId(narrow(monitor.DeviceID));
}

bool findMonitorOfAdapter(const std::vector<HMONITOR> &handles, const wchar_t *adapterName,
                          MONITORINFOEXW &found)
{
    for (HMONITOR handle : handles) {
        MONITORINFOEXW info = {};
        info.cbSize = sizeof info;
        if (GetMonitorInfoW(handle, &info) && wcscmp(info.szDevice, adapterName) == 0) {
            found = info;
            return true;
        }
    }
    return false;
}

} // namespace

DisplayManager_Win32 *DisplayManager_Win32::instance()
{
    // Lives as long as the process; the screen listener may fire until the very end.
    static DisplayManager_Win32 *manager = new DisplayManager_Win32;
    return manager;
}

std::vector<MonitorInfo> DisplayManager_Win32::enumerateMonitors(bool withScreenshots)
{
    const std::vector<HMONITOR> handles = monitorHandles();
    std::vector<MonitorInfo> monitors;
    DISPLAY_DEVICEW adapter = {};
    adapter.cb = sizeof adapter;
    for (DWORD index = 0; EnumDisplayDevicesW(nullptr, index, &adapter, 0); ++index, adapter.cb = sizeof adapter) {
        DEVMODEW mode;
        MONITORINFOEXW info;
        if (!currentSettings(adapter.DeviceName, mode) || !findMonitorOfAdapter(handles, adapter.DeviceName, info))
            continue;
        MonitorInfo monitor;
        monitor.index = int(monitors.size());
        monitor.deviceName = narrow(adapter.DeviceName);
        monitor.identifier = monitorIdentifier(adapter.DeviceName);
        monitor.systemMonitorRect = fromWindowsRect(info.rcMonitor);
        monitor.monitorRect = MonitorArrangement::monitorRect(
                QRect(mode.dmPosition.x, mode.dmPosition.y, int(mode.dmPelsWidth), int(mode.dmPelsHeight)),
                monitor.systemMonitorRect);
        monitor.virtualScreenRect = virtualScreen();
        monitor.primary = info.dwFlags & MONITORINFOF_PRIMARY;
        if (monitor.systemMonitorRect.width() > 0)
            monitor.scale = double(mode.dmPelsWidth) / monitor.systemMonitorRect.width();
        if (mode.dmFields & DM_DISPLAYORIENTATION)
            monitor.rotation = int(mode.dmDisplayOrientation);
        monitors.push_back(monitor);
    }
    const QRect desktop = MonitorArrangement::desktopBounds(monitors);
    if (withScreenshots)
        addScreenshots(monitors, desktop);
    MonitorArrangement::arrange(monitors);
    MonitorArrangement::markPenDisplays(monitors, penDisplayCodes());
    return monitors;
}

void DisplayManager_Win32::addScreenshots(std::vector<MonitorInfo> &monitors, const QRect &desktop)
{
    QPixmap whole;
    if (!grabScreen(whole, desktop.x(), desktop.y(), desktop.width(), desktop.height()))
        return;
    for (MonitorInfo &monitor : monitors) {
        const QRect part = monitor.monitorRect.translated(-desktop.topLeft());
        const QPixmap picture = whole.copy(part).scaled(MonitorArrangement::screenshotSize(part.size()),
                                                       Qt::KeepAspectRatio, Qt::FastTransformation);
        monitor.screenshot = std::make_shared<const QPixmap>(picture);
    }
}

bool DisplayManager_Win32::setDisplayOrientation(const MonitorInfo &monitor, int orientation)
{
    if (!monitor.penDisplay || orientation < 0 || orientation > 3)
        return false;
    const std::wstring device = QString::fromStdString(monitor.deviceName).toStdWString();
    DEVMODEW mode;
    if (!currentSettings(device.c_str(), mode) || !(mode.dmFields & DM_DISPLAYORIENTATION))
        return false;
    if (int(mode.dmDisplayOrientation) == orientation)
        return true;
    const QSize size = MonitorArrangement::orientedSize(monitor.monitorRect.size(), orientation);
    mode.dmPelsWidth = DWORD(size.width());
    mode.dmPelsHeight = DWORD(size.height());
    mode.dmPosition.x = monitor.systemMonitorRect.left();
    mode.dmPosition.y = monitor.systemMonitorRect.top();
    mode.dmDisplayOrientation = DWORD(orientation);
    mode.dmFields |= DM_PELSWIDTH | DM_PELSHEIGHT | DM_POSITION | DM_DISPLAYORIENTATION;
    return ChangeDisplaySettingsExW(device.c_str(), &mode, nullptr, CDS_UPDATEREGISTRY | CDS_RESET, nullptr)
            == DISP_CHANGE_SUCCESSFUL;
}

bool DisplayManager_Win32::grabScreen(QPixmap &picture, int x, int y, int width, int height)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return false;
    picture = screen->grabWindow(0, x, y, width > 0 ? width : -1, height > 0 ? height : -1);
    return !picture.isNull();
}

std::shared_ptr<IDDCInterface> DisplayManager_Win32::createDDCInterface()
{
    return DDCInterfaceFactory::fromEnvironment([] { return std::make_shared<DDCInterface_Win32>(); });
}
