#include "engine/device/TabletManager_Win32.h"

#include "engine/device/DeviceBroadcast.h"
#include "engine/device/TabletInterfacePath.h"

#include "BuildConfig.h"

#include <windows.h>
#include <dbt.h>

#include <cstring>
#include <optional>
#include <string>

namespace {

// The device interface class of HID devices.
const GUID kHidInterfaceClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

std::string narrowDeviceName(const std::u16string &name)
{
    const auto *wide = reinterpret_cast<const wchar_t *>(name.c_str());
    const int size = WideCharToMultiByte(CP_THREAD_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string narrow(size_t(size), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, wide, -1, narrow.data(), size, nullptr, nullptr);
    narrow.resize(size_t(size) - 1);
    return narrow;
}

// The broadcast of a HID interface's arrival or removal, checked before it is read.
std::optional<DeviceInterfaceBroadcast> hidInterfaceBroadcast(WPARAM event, LPARAM data)
{
    if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE)
        return std::nullopt;
    const auto *header = reinterpret_cast<const DEV_BROADCAST_HDR *>(data);
    if (!header)
        return std::nullopt;
    // The header's size says how much the system copied for this window.
    std::optional<DeviceInterfaceBroadcast> broadcast = DeviceBroadcast::readDeviceInterface(
            reinterpret_cast<const std::uint8_t *>(header), header->dbch_size);
    if (!broadcast)
        return std::nullopt;
    GUID interfaceClass;
    static_assert(sizeof interfaceClass == sizeof broadcast->interfaceClass);
    std::memcpy(&interfaceClass, broadcast->interfaceClass.data(), sizeof interfaceClass);
    if (!IsEqualGUID(interfaceClass, kHidInterfaceClass))
        return std::nullopt;
    return broadcast;
}

LRESULT CALLBACK listenWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
    } else if (message == WM_DEVICECHANGE) {
        if (const auto broadcast = hidInterfaceBroadcast(wParam, lParam)) {
            auto *listener = reinterpret_cast<TabletManager_Win32 *>(GetWindowLongPtrW(window, GWLP_USERDATA));
            if (listener)
                listener->onInterfaceBroadcast(wParam == DBT_DEVICEARRIVAL,
                                               narrowDeviceName(broadcast->name).c_str());
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HDEVNOTIFY registerForHidInterfaces(HWND window)
{
    DEV_BROADCAST_DEVICEINTERFACE_W filter = {};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kHidInterfaceClass;
    return RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

} // namespace

TabletManager_Win32::~TabletManager_Win32()
{
    stop();
}

void TabletManager_Win32::setStatusCallback(StatusCallback callback)
{
    std::lock_guard<std::mutex> lock(mutex_);
    callback_ = std::move(callback);
}

bool TabletManager_Win32::start()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!callback_ || started_)
            return false;
        started_ = true;
    }
    std::promise<bool> created;
    std::future<bool> windowReady = created.get_future();
    task_ = std::async(std::launch::async,
                       [this, created = std::move(created)]() mutable { return runListener(created); });
    const bool ok = windowReady.get();
    if (!ok)
        task_.wait();
    return ok;
}

void TabletManager_Win32::stop()
{
    if (void *window = window_.exchange(nullptr))
        PostMessageW(static_cast<HWND>(window), WM_CLOSE, 0, 0);
    if (task_.valid())
        task_.wait();
}

void TabletManager_Win32::onInterfaceBroadcast(bool arrived, const char *devicePath)
{
    if (!TabletInterfacePath::isTabletInterface(devicePath, BuildConfig::kVendorId))
        return;
    StatusCallback callback;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        callback = callback_;
    }
    if (callback) {
        const std::string path = TabletInterfacePath::toLower(devicePath);
        callback(arrived ? TabletStatus::Arrived : TabletStatus::Removed, path.c_str());
    }
}

int TabletManager_Win32::runListener(std::promise<bool> &created)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = listenWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    // A second listener in the same process finds the class registered already.
    RegisterClassW(&windowClass);

    HWND window = CreateWindowExW(0, kWindowClass, L"", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!window) {
        UnregisterClassW(kWindowClass, instance);
        created.set_value(false);
        return -1;
    }
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    window_ = window;
    created.set_value(true);
    UpdateWindow(window);
    HDEVNOTIFY notification = registerForHidInterfaces(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }

    if (notification)
        UnregisterDeviceNotification(notification);
    if (IsWindow(window))
        DestroyWindow(window);
    UnregisterClassW(kWindowClass, instance);
    return 0;
}
