#include "engine/device/TabletManager_Win32.h"

#include <windows.h>
#include <dbt.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace {

const GUID kHidInterfaceClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
const GUID kOtherInterfaceClass = {0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};

const wchar_t kTabletPath[] =
        L"\\\\?\\HID#VID_5A4C&PID_0031&MI_02#7&1a2b3c&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
const char kTabletPathLower[] =
        "\\\\?\\hid#vid_5a4c&pid_0031&mi_02#7&1a2b3c&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";

struct Report
{
    TabletStatus status;
    std::string path;
};

class RecordedReports
{
public:
    TabletManager_Win32::StatusCallback callback()
    {
        return [this](TabletStatus status, const char *path) {
            std::lock_guard<std::mutex> lock(mutex_);
            reports_.push_back({status, path});
        };
    }
    std::vector<Report> reports()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return reports_;
    }

private:
    std::mutex mutex_;
    std::vector<Report> reports_;
};

BOOL CALLBACK matchListenWindow(HWND window, LPARAM data)
{
    auto *found = reinterpret_cast<std::pair<HWND, DWORD> *>(data);
    wchar_t className[128] = {};
    GetClassNameW(window, className, 128);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == found->second && wcscmp(className, TabletManager_Win32::kWindowClass) == 0) {
        found->first = window;
        return FALSE;
    }
    return TRUE;
}

// The listener's window in this process (other test processes may have one too).
HWND findListenWindow()
{
    std::pair<HWND, DWORD> search{nullptr, GetCurrentProcessId()};
    EnumWindows(matchListenWindow, reinterpret_cast<LPARAM>(&search));
    return search.first;
}

// A device-interface broadcast as the system sends it: header and name in one block.
class Broadcast
{
public:
    Broadcast(const GUID &interfaceClass, const wchar_t *name)
        : bytes_(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) + (wcslen(name) + 1) * sizeof(wchar_t))
    {
        auto *broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W *>(bytes_.data());
        broadcast->dbcc_size = DWORD(bytes_.size());
        broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        broadcast->dbcc_classguid = interfaceClass;
        std::memcpy(broadcast->dbcc_name, name, (wcslen(name) + 1) * sizeof(wchar_t));
    }
    LPARAM lParam() { return reinterpret_cast<LPARAM>(bytes_.data()); }
    void claimSize(DWORD size) { reinterpret_cast<DEV_BROADCAST_HDR *>(bytes_.data())->dbch_size = size; }

private:
    std::vector<unsigned char> bytes_;
};

void sendBroadcast(HWND window, WPARAM event, const GUID &interfaceClass, const wchar_t *name)
{
    Broadcast broadcast(interfaceClass, name);
    SendMessageW(window, WM_DEVICECHANGE, event, broadcast.lParam());
}

} // namespace

TEST(TabletManager, DoesNotStartWithoutCallback)
{
    TabletManager_Win32 listener;
    EXPECT_FALSE(listener.start());
    EXPECT_EQ(findListenWindow(), nullptr);
}

TEST(TabletManager, ReportsArrivalAndRemovalOfTheTabletInterfaceInLowerCase)
{
    RecordedReports recorded;
    TabletManager_Win32 listener;
    listener.setStatusCallback(recorded.callback());
    ASSERT_TRUE(listener.start());
    HWND window = findListenWindow();
    ASSERT_NE(window, nullptr);

    sendBroadcast(window, DBT_DEVICEARRIVAL, kHidInterfaceClass, kTabletPath);
    sendBroadcast(window, DBT_DEVICEREMOVECOMPLETE, kHidInterfaceClass, kTabletPath);

    const std::vector<Report> reports = recorded.reports();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].status, TabletStatus::Arrived);
    EXPECT_EQ(reports[0].path, kTabletPathLower);
    EXPECT_EQ(reports[1].status, TabletStatus::Removed);
    EXPECT_EQ(reports[1].path, kTabletPathLower);
}

TEST(TabletManager, PassesOverOtherDevicesClassesAndEvents)
{
    RecordedReports recorded;
    TabletManager_Win32 listener;
    listener.setStatusCallback(recorded.callback());
    ASSERT_TRUE(listener.start());
    HWND window = findListenWindow();
    ASSERT_NE(window, nullptr);

    sendBroadcast(window, DBT_DEVICEARRIVAL, kHidInterfaceClass,
                  L"\\\\?\\HID#VID_046D&PID_C52B&MI_02#7&1&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}");
    sendBroadcast(window, DBT_DEVICEARRIVAL, kHidInterfaceClass,
                  L"\\\\?\\HID#VID_5A4C&PID_0031&MI_00#7&1&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}");
    sendBroadcast(window, DBT_DEVICEARRIVAL, kOtherInterfaceClass, kTabletPath);
    sendBroadcast(window, DBT_DEVICEQUERYREMOVE, kHidInterfaceClass, kTabletPath);
    SendMessageW(window, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);

    EXPECT_TRUE(recorded.reports().empty());
}

TEST(TabletManager, IgnoresBroadcastsWhoseSizeDoesNotCoverThem)
{
    RecordedReports recorded;
    TabletManager_Win32 listener;
    listener.setStatusCallback(recorded.callback());
    ASSERT_TRUE(listener.start());
    HWND window = findListenWindow();
    ASSERT_NE(window, nullptr);

    const DWORD nameEnd = DWORD(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + wcslen(kTabletPath) * sizeof(wchar_t));
    for (DWORD size : {DWORD(0), DWORD(sizeof(DEV_BROADCAST_HDR) - 1), DWORD(sizeof(DEV_BROADCAST_HDR)), nameEnd}) {
        SCOPED_TRACE(size);
        Broadcast broadcast(kHidInterfaceClass, kTabletPath);
        broadcast.claimSize(size);
        SendMessageW(window, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, broadcast.lParam());
    }
    SendMessageW(window, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, 0);
    EXPECT_TRUE(recorded.reports().empty());

    sendBroadcast(window, DBT_DEVICEARRIVAL, kHidInterfaceClass, kTabletPath);
    EXPECT_EQ(recorded.reports().size(), 1u) << "a sound broadcast after them is read";
}

TEST(TabletManager, StopClosesTheWindowAndEndsTheThread)
{
    RecordedReports recorded;
    TabletManager_Win32 listener;
    listener.setStatusCallback(recorded.callback());
    ASSERT_TRUE(listener.start());
    HWND window = findListenWindow();
    ASSERT_NE(window, nullptr);

    listener.stop();

    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(findListenWindow(), nullptr);
    listener.stop();
}

TEST(TabletManager, DestructionStopsARunningListener)
{
    RecordedReports recorded;
    {
        TabletManager_Win32 listener;
        listener.setStatusCallback(recorded.callback());
        ASSERT_TRUE(listener.start());
        ASSERT_NE(findListenWindow(), nullptr);
    }
    EXPECT_EQ(findListenWindow(), nullptr);
}
