#pragma once

// The engine on a simulated tablet, its reports going through every route of the worker to the
// real pointer and keyboard drivers, which write to a sink that counts them: the whole path from
// the tablet's report to the output report, with the allocations of the read thread and the
// worker counted (CountedAllocations.h, which this includes: one source file of a program
// includes it). Shared by the allocation test and the benchmark.
#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMouseAction.h"
#include "engine/actions/ShortcutText.h"
#include "engine/core/AppLogic.h"
#include "engine/device/TabletDevice_Win32.h"
#include "engine/display/ScreenStatusListen.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/output/KeyboardDriver.h"
#include "engine/output/KeyboardReport.h"
#include "engine/output/PointerDriver.h"
#include "engine/support/CountedAllocations.h"
#include "engine/support/SimulatedTablet.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace ReportRoutes {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

inline const char kPath[] = "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&1111&0&0000";

inline Bytes penReport(std::uint8_t status, std::uint16_t x, std::uint16_t pressure)
{
    return {9, 'A', status, std::uint8_t(x), std::uint8_t(x >> 8), 0x10, 0x27, std::uint8_t(pressure),
            std::uint8_t(pressure >> 8), 0, 0, 5, 0xFB};
}

// Counts the allocations of the thread that calls the device's report callback from the first
// report on, and the reports that went through.
class CountedReadThread
{
public:
    explicit CountedReadThread(TabletDevice_Win32 &device)
    {
        const TabletDevice_Win32::ReportCallback engine = device.reportCallback();
        device.setReportCallback([this, engine](const std::uint8_t *report, std::size_t size) {
            CountedAllocations::countThisThread();
            engine(report, size);
            std::lock_guard<std::mutex> lock(mutex);
            ++handled;
            changed.notify_all();
        });
    }

    bool waitFor(std::size_t reports)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, 10s, [&] { return handled >= reports; });
    }

private:
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t handled = 0;
};

inline TabletConfigurePtr wholeScreen()
{
    auto configure = std::make_shared<TabletConfigure>();
    configure->mapping.absRect = QRect(0, 0, 1920, 1080);
    configure->mapping.part = QRect(0, 0, 1920, 1080);
    configure->mapping.desktopSize = QSize(1920, 1080);
    return configure;
}


inline const QString kSentinelShortcut = QStringLiteral("Ctrl+Alt+Shift+F12");
constexpr std::uint16_t kSentinelKey = 6;

// The output seam: the drivers' reports, counted without keeping them. The worker that writes
// them is counted from its first report on.
class CountingSink : public IHidReportSink
{
public:
    CountingSink()
        : sentinelPress(KeyboardReport::build(ShortcutText::keyStrokes(kSentinelShortcut, true, false).front(), 0))
    {
    }

    bool open() override { return true; }

    bool writeReport(const std::uint8_t *data, std::size_t size) override
    {
        CountedAllocations::countThisThread();
        const bool sentinel = size == sentinelPress.size() && std::equal(data, data + size, sentinelPress.begin());
        std::lock_guard<std::mutex> lock(mutex);
        if (sentinel)
            sentinelReleasePending = true;
        else if (std::exchange(sentinelReleasePending, false))
            ++sentinels; // the release of the sentinel's tap, alike to any other key release
        else
            ++reports;
        changed.notify_all();
        return true;
    }

    // The reports of the routes, other than the sentinel's press and release.
    std::size_t routeReports()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return reports;
    }

    bool waitForSentinels(std::size_t count)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, 10s, [&] { return sentinels >= count && !sentinelReleasePending; });
    }

private:
    const HidOutputReport sentinelPress;
    std::mutex mutex;
    std::condition_variable changed;
    bool sentinelReleasePending = false;
    std::size_t sentinels = 0; // whole taps: press and release
    std::size_t reports = 0;
};

class OneScreen : public ScreenStatusListen
{
public:
    std::vector<MonitorInfo> enumerateMonitors(bool) override
    {
        MonitorInfo monitor;
        monitor.monitorRect = monitor.logicalMonitorRect = monitor.desktopRect = QRect(0, 0, 1920, 1080);
        return {monitor};
    }
};

inline TabletActionPtr shortcut(const QString &text)
{
    return std::make_shared<TabletKeyboardAction>(QString(), text, TabletKeyboardAction::KeyCombination);
}

inline TabletActionPtr mouse(std::uint32_t event)
{
    return std::make_shared<TabletMouseAction>(QString(), event);
}

// Every control bound, to the actions that write reports: shortcuts, and mouse actions that
// hold a button or send a pointer event of their own.
inline TabletConfigurePtr boundConfiguration()
{
    TabletConfigurePtr configure = wholeScreen();
    configure->common.message = false;
    configure->pen.buttons[1] = mouse(TabletMouseAction::RightClick);
    configure->pen.buttons[2] = mouse(TabletMouseAction::LeftClick);
    configure->hotkey.keys[1] = shortcut(QStringLiteral("Ctrl+Z"));
    configure->hotkey.keys[2] = mouse(TabletMouseAction::MiddleClick);
    configure->hotkey.keys[3] = shortcut(QStringLiteral("Ctrl+C;Ctrl+V"));
    configure->hotkey.keys[kSentinelKey] = shortcut(kSentinelShortcut);
    configure->hotkey.dials[1].pairs = {ActionPair(shortcut(QStringLiteral("Ctrl+Plus")),
                                                   shortcut(QStringLiteral("Ctrl+Minus")))};
    configure->hotkey.touches[5] = shortcut(QStringLiteral("B"));
    configure->hotkey.touches[6] = mouse(TabletMouseAction::MiddleClick);
    return configure;
}

inline Bytes keyReport(std::uint16_t key, bool pressed)
{
    const std::uint32_t bits = key == 0 ? 0 : std::uint32_t(1) << (key - 1);
    return {9, 'B', 1, std::uint8_t(pressed ? 1 : 0), std::uint8_t(bits), std::uint8_t(bits >> 8), 0, 0, 0};
}

// Two strokes, hovering in, drawing with the pen buttons pressed now and then, and leaving.
inline std::vector<Bytes> penStrokes()
{
    std::vector<Bytes> all;
    for (int stroke = 0; stroke < 2; ++stroke) {
        for (int i = 0; i < 24; ++i) {
            std::uint8_t status = i < 2 ? 0xA0 : 0xA1;
            if (i >= 8 && i < 12)
                status = 0xA3; // the barrel button held
            if (i >= 16 && i < 18)
                status = 0xA5;
            all.push_back(penReport(status, std::uint16_t(1000 + 300 * i + 50 * stroke), std::uint16_t(40 * i)));
        }
        all.push_back(penReport(0xC0, 9000, 0));
    }
    return all;
}

inline std::vector<Bytes> expressKeys()
{
    return {keyReport(1, true), keyReport(0, false), keyReport(2, true), keyReport(0, false),
            keyReport(3, true), keyReport(1, true), keyReport(0, false)};
}

inline std::vector<Bytes> dialTurns()
{
    // Steps of dial 1 turning forward and back (one report a step).
    return {{9, 'B', 3, 1, 1, 0, 0, 0, 0}, {9, 'B', 3, 1, 2, 0, 0, 0, 0}, {9, 'B', 3, 1, 1, 0, 0, 0, 0},
            {9, 'B', 3, 1, 2, 0, 0, 0, 0}};
}

inline std::vector<Bytes> touches()
{
    return {{9, 'C', 1, 0x10, 0, 0, 0, 0, 0}, {9, 'C', 1, 0x20, 0, 0, 0, 0, 0}, {9, 'C', 1, 0x10, 0, 0, 0, 0, 0}};
}

struct Route
{
    const char *name;
    void (*configure)(TabletConfigure &);
    std::vector<Bytes> (*reports)();
};

// The engine on a simulated tablet with the real drivers writing to a counting sink.
struct CountedEngine
{
    explicit CountedEngine(const Route &route)
    {
        bus->addDevice(simulatedTablet(kPath, "QZ-Pen 6"));
        EnginePlatform platform;
        platform.hid = bus;
        platform.drivers = std::make_unique<DriverInterfaceSet>(std::make_shared<PointerDriver>(sink, nullptr),
                                                                std::make_shared<KeyboardDriver>(sink, [](int) {}));
        platform.displays = &screens;
        platform.cursorPosition = [] { return QPoint(960, 540); };
        platform.wait = [](int) {};
        logic = std::make_unique<AppLogic>(std::move(platform));
        TabletConfigurePtr configure = boundConfiguration();
        route.configure(*configure);
        logic->setConfigure(configure);
        logic->start();
    }

    OneScreen screens;
    std::shared_ptr<SimulatedHidBus> bus = std::make_shared<SimulatedHidBus>();
    std::shared_ptr<CountingSink> sink = std::make_shared<CountingSink>();
    std::unique_ptr<AppLogic> logic;
};



// The routes of the worker, each with the configuration that takes it and its reports.
inline std::vector<Route> allRoutes()
{
    return {
        {"absolute pen", [](TabletConfigure &) {}, penStrokes},
        {"mouse mode", [](TabletConfigure &configure) { configure.pen.ink = false; }, penStrokes},
        {"relative, pen reports", [](TabletConfigure &configure) { configure.pen.relative = true; }, penStrokes},
        {"relative, mouse mode",
         [](TabletConfigure &configure) {
             configure.pen.relative = true;
             configure.pen.ink = false;
         },
         penStrokes},
        {"relative, game mode",
         [](TabletConfigure &configure) {
             configure.pen.relative = true;
             configure.pen.gameSupport = true;
         },
         penStrokes},
        {"express keys", [](TabletConfigure &) {}, expressKeys},
        {"dials", [](TabletConfigure &configure) { configure.hotkey.dialSensitivity = false; }, dialTurns},
        {"touch control", [](TabletConfigure &) {}, touches},
    };
}

// What the counted rounds of one route cost.
struct RouteCount
{
    bool complete = false; // every report was read and handled in time
    std::size_t reports = 0;
    std::size_t allocations = 0;
    std::size_t outputReports = 0; // written by the route, the sentinel's apart
    std::chrono::nanoseconds elapsed{0};
};

// Each round feeds the route's reports and then the sentinel key, whose report says that the
// worker has handled every report before it. The warm rounds fill what is made once (parsed
// shortcuts, recycled events, the configuration's frame); the rounds after them are counted.
inline RouteCount countRoute(const Route &route, int warmRounds, int countedRounds)
{
    RouteCount count;
    CountedEngine engine(route);
    if (!engine.logic->currentDevice())
        return count;
    CountedReadThread readThread(*engine.logic->currentDevice());

    std::vector<Bytes> round = route.reports();
    round.push_back(keyReport(kSentinelKey, true));
    round.push_back(keyReport(0, false));
    std::size_t fed = 0;
    std::size_t reportsBefore = 0;
    std::chrono::steady_clock::time_point start;
    for (int number = 1; number <= warmRounds + countedRounds; ++number) {
        if (number == warmRounds + 1) {
            CountedAllocations::allocations = 0;
            reportsBefore = engine.sink->routeReports();
            start = std::chrono::steady_clock::now();
        }
        // The handle keeps 32 reports; more at once would drop some before they are read.
        for (std::size_t first = 0; first < round.size(); first += 16) {
            const std::size_t end = std::min(first + 16, round.size());
            for (std::size_t i = first; i < end; ++i) {
                if (!engine.bus->feedReport(kPath, round[i]))
                    return count;
            }
            fed += end - first;
            if (!readThread.waitFor(fed))
                return count;
        }
        if (!engine.sink->waitForSentinels(std::size_t(number)))
            return count;
    }
    count.elapsed = std::chrono::steady_clock::now() - start;
    count.allocations = CountedAllocations::allocations;
    count.complete = true;
    count.reports = std::size_t(countedRounds) * round.size();
    count.outputReports = engine.sink->routeReports() - reportsBefore;
    return count;
}

} // namespace ReportRoutes
