#include "app/MainWindow.h"

#include "config/support/IsolatedDataLocation.h"
#include "engine/display/ScreenStatusListen.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/support/SimulatedTablet.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <windows.h>

namespace {

const char kTabletPath[] = "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&1111&0&0000";

class NoMonitors : public ScreenStatusListen
{
public:
    std::vector<MonitorInfo> enumerateMonitors(bool) override { return {}; }
};

class WindowUnderTest : public MainWindow
{
public:
    using MainWindow::MainWindow;
    using MainWindow::nativeEvent;
};

} // namespace

TEST(MainWindowMessages, ADisplayChangeIsPassedOnAndAResumeReopensTheTablets)
{
    const struct {
        const char *what;
        QByteArray eventType;
        UINT message;
        WPARAM wParam;
        int displayChanges;
        std::size_t listed;
    } cases[] = {
        {"display change", "windows_generic_MSG", WM_DISPLAYCHANGE, 0, 1, 0},
        {"resume", "windows_generic_MSG", WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0, 1},
        {"suspend", "windows_generic_MSG", WM_POWERBROADCAST, PBT_APMSUSPEND, 0, 0},
        {"another message", "windows_generic_MSG", WM_MOVE, PBT_APMRESUMEAUTOMATIC, 0, 0},
        {"another event type", "windows_dispatcher_MSG", WM_DISPLAYCHANGE, 0, 0, 0},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        auto bus = std::make_shared<SimulatedHidBus>();
        NoMonitors displays;
        EnginePlatform platform;
        platform.hid = bus;
        platform.displays = &displays;
        WindowUnderTest window(std::move(platform));
        // Plugged in while the machine slept: only reopening finds it.
        bus->addDevice(simulatedTablet(kTabletPath, "QZ-Pen 6"));
        QSignalSpy displayChanged(&displays, &ScreenStatusListen::displayChanged);

        MSG message = {};
        message.message = entry.message;
        message.wParam = entry.wParam;
        long result = 1234;
        EXPECT_FALSE(window.nativeEvent(entry.eventType, &message, &result));
        EXPECT_EQ(result, 1234);
        EXPECT_EQ(displayChanged.count(), entry.displayChanges);
        EXPECT_EQ(window.appLogic().deviceInfoList().size(), entry.listed);
    }
}
