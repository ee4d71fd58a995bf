#include "engine/core/AppLogic.h"

#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMiscAction.h"
#include "config/actions/TabletMouseAction.h"
#include "engine/display/ScreenStatusListen.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/output/KeyboardDriver.h"
#include "engine/support/ActionJournal.h"
#include "engine/support/SimulatedTablet.h"

#include <QSignalSpy>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;
using testing::ElementsAre;

const char kPath[] = "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&1111&0&0000";

Bytes keyReport(std::uint32_t bits, bool pressed)
{
    return {9, 'B', 1, std::uint8_t(pressed ? 1 : 0), std::uint8_t(bits), std::uint8_t(bits >> 8), 0, 0, 0};
}

Bytes hoverReport(std::uint8_t status)
{
    return {9, 'A', status, 0x10, 0x10, 0x10, 0x10, 0, 0, 0, 0, 0, 0};
}

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

TabletActionPtr keyboard(const QString &text)
{
    return std::make_shared<TabletKeyboardAction>(QString(), text, TabletKeyboardAction::KeyCombination);
}

// The engine on a simulated tablet, its actions written to one journal.
struct ActionEngine
{
    // Keyboard reports go to the journal unless another keyboard driver is given.
    explicit ActionEngine(std::shared_ptr<IKeyboardDriverInterface> keyboard = nullptr)
    {
        bus = std::make_shared<SimulatedHidBus>();
        bus->addDevice(simulatedTablet(kPath, "QZ-Pen 6"));
        EnginePlatform platform;
        platform.hid = bus;
        if (!keyboard)
            keyboard = std::make_shared<JournalKeyboard>(journal);
        platform.drivers = std::make_unique<DriverInterfaceSet>(std::make_shared<JournalPointer>(journal),
                                                                std::move(keyboard));
        platform.displays = &screens;
        platform.cursorPosition = [] { return QPoint(960, 540); };
        platform.foreground = foreground;
        platform.appProfiles = [this] { return profiles; };
        platform.toolShortcuts = [](const ProcessEntry &, ShortcutEntries &) { return false; };
        platform.wait = [this](int milliseconds) { journal.add("wait " + std::to_string(milliseconds)); };
        platform.showTip = [this](const QString &text) { journal.add("tip " + text.toStdString()); };
        logic = std::make_unique<AppLogic>(std::move(platform));
        configure = std::make_shared<TabletConfigure>();
        configure->common.message = false;
    }

    void start()
    {
        logic->setConfigure(configure);
        logic->start();
    }

    // The journal's lines once it holds `count` of those that pass `keep`.
    std::vector<std::string> linesOnce(std::size_t count, bool (*keep)(const std::string &))
    {
        std::vector<std::string> kept;
        for (int i = 0; i < 500; ++i) {
            for (const std::string &line : journal.take()) {
                if (keep(line))
                    kept.push_back(line);
            }
            if (kept.size() >= count)
                break;
            std::this_thread::sleep_for(10ms);
        }
        std::this_thread::sleep_for(50ms);
        for (const std::string &line : journal.take()) {
            if (keep(line))
                kept.push_back(line);
        }
        return kept;
    }

    ActionJournal journal;
    OneScreen screens;
    std::shared_ptr<FixedForeground> foreground = std::make_shared<FixedForeground>();
    AppProfileSnapshot profiles = std::make_shared<const AppProfileList>();
    std::shared_ptr<SimulatedHidBus> bus;
    TabletConfigurePtr configure;
    std::unique_ptr<AppLogic> logic;
};

bool anyLine(const std::string &)
{
    return true;
}

bool keyLine(const std::string &line)
{
    return line.rfind("key", 0) == 0;
}

} // namespace

TEST(AppLogicActions, AnExpressKeysReleaseReachesTheBindingItsPressRan)
{
    ActionEngine engine;
    engine.configure->common.hotkeySync = true;
    engine.configure->hotkey.keys[2] = keyboard(QStringLiteral("Ctrl"));
    QSignalSpy components(engine.logic.get(), &AppLogic::componentDataChanged);
    engine.start();
    engine.bus->feedReport(kPath, keyReport(0x02, true));
    engine.bus->feedReport(kPath, keyReport(0x00, false));
    EXPECT_THAT(engine.linesOnce(2, anyLine), ElementsAre("key+ mods=2 -1 -1 5", "key- mods=2 -1 -1 5"));
    engine.logic->stop();
    EXPECT_EQ(components.count(), 2);
}

TEST(AppLogicActions, APenButtonFlagRunsThePenButtonsAction)
{
    ActionEngine engine;
    engine.configure->pen.buttons[1] = keyboard(QStringLiteral("A"));
    engine.start();
    engine.bus->feedReport(kPath, hoverReport(0xA4));
    engine.bus->feedReport(kPath, hoverReport(0xA0));
    EXPECT_THAT(engine.linesOnce(2, keyLine), ElementsAre("key+ mods=0 0x04 -1 5", "key- mods=0 0x04 -1 5"));
}

TEST(AppLogicActions, TheForegroundApplicationsProfileBindsTheKeys)
{
    ActionEngine engine;
    engine.configure->hotkey.appHotkeys = true;
    engine.configure->hotkey.keys[1] = keyboard(QStringLiteral("A"));
    AppProfile krita;
    krita.name = QStringLiteral("krita");
    krita.path = QStringLiteral("C:\\Krita\\krita.exe");
    krita.keys[1] = keyboard(QStringLiteral("B"));
    engine.profiles = std::make_shared<const AppProfileList>(AppProfileList{krita});
    engine.foreground->set(QStringLiteral("krita"), QStringLiteral("C:\\Krita\\krita.exe"));
    engine.start();
    engine.bus->feedReport(kPath, keyReport(0x01, true));
    EXPECT_THAT(engine.linesOnce(2, anyLine), ElementsAre("key+ mods=0 0x05 -1 5", "key- mods=0 0x05 -1 5"));
}

TEST(AppLogicActions, TheWheelTurnsAtTheCursorOverTheEnginesMonitors)
{
    ActionEngine engine;
    EXPECT_EQ(engine.logic->cursorToNormalized(), QPoint(16392, 16398));
    engine.configure->hotkey.touches[5] = std::make_shared<TabletMouseAction>(QString(), TabletMouseAction::WheelUp);
    engine.start();
    engine.bus->feedReport(kPath, {9, 'C', 1, 0x30, 0, 0, 0, 0, 0});
    EXPECT_THAT(engine.linesOnce(2, anyLine), ElementsAre("abs 16392,16398 4 1", "wait 2"));
}

TEST(AppLogicActions, ThePenEraserSwitchMakesTheNextPenReportLeaveProximityAsAnEraser)
{
    ActionEngine engine;
    engine.configure->hotkey.keys[1] = std::make_shared<TabletMiscAction>(QString(), TabletMiscAction::PenEraser);
    engine.configure->mapping.absRect = QRect(0, 0, 1920, 1080);
    engine.configure->mapping.part = QRect(0, 0, 1920, 1080);
    engine.configure->mapping.desktopSize = QSize(1920, 1080);
    engine.configure->mapping.dpiRect = QRect(0, 0, 1920, 1080);
    engine.configure->mapping.dpiDesktopRect = QRect(0, 0, 1920, 1080);
    engine.start();
    engine.bus->feedReport(kPath, keyReport(0x01, true));
    EXPECT_THAT(engine.linesOnce(3, anyLine), ElementsAre("key+ mods=0 0x08 -1 5", "key- mods=0 0x08 -1 5", "wait 10"))
            << "no foreground program: the default eraser shortcut";
    engine.bus->feedReport(kPath, hoverReport(0xA0));
    engine.bus->feedReport(kPath, hoverReport(0xA0));
    EXPECT_THAT(engine.linesOnce(2, anyLine), ElementsAre("pen leave=1 eraser=1", "pen leave=0 eraser=1"));
}

TEST(AppLogicActions, WithoutAConfigurationKeysRunNothing)
{
    ActionEngine engine;
    engine.configure->hotkey.keys[1] = keyboard(QStringLiteral("A"));
    // Counted on the worker, read here while it runs: a signal spy's list is not for two threads.
    std::atomic<int> components{0};
    QObject::connect(engine.logic.get(), &AppLogic::componentDataChanged, [&components] { ++components; });
    engine.logic->start();
    engine.bus->feedReport(kPath, keyReport(0x01, true));
    for (int i = 0; i < 500 && components < 1; ++i)
        std::this_thread::sleep_for(10ms);
    engine.logic->stop();
    EXPECT_EQ(components, 1);
    EXPECT_EQ(engine.journal.size(), 0u);
    EXPECT_FALSE(engine.logic->runAction(keyboard(QStringLiteral("A")), true));
}

namespace {

using Report = std::vector<std::uint8_t>;

constexpr int kAnyModifiers = -1;

struct KeyCount
{
    int modifiers; // or kAnyModifiers
    std::uint8_t key;
};

// How many press reports carry these modifier bits and this key.
std::size_t pressReports(const std::vector<Report> &reports, KeyCount which)
{
    return std::size_t(std::count_if(reports.begin(), reports.end(), [&](const Report &report) {
        return (which.modifiers == kAnyModifiers || report[3] == which.modifiers) && report[5] == which.key;
    }));
}

// Keeps the keyboard reports for a test that reads them while they are written.
class SharedReportSink : public IHidReportSink
{
public:
    bool open() override { return true; }
    bool writeReport(const std::uint8_t *data, std::size_t size) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        reports.emplace_back(data, data + size);
        written.notify_all();
        return true;
    }

    std::vector<Report> all()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return reports;
    }
    // Waits up to 10 s until `count` press reports of `which` were written.
    bool waitForPresses(KeyCount which, std::size_t count)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return written.wait_for(lock, 10s, [&] { return pressReports(reports, which) >= count; });
    }
    bool waitForReports(std::size_t count)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return written.wait_for(lock, 10s, [&] { return reports.size() >= count; });
    }

private:
    std::mutex mutex;
    std::condition_variable written;
    std::vector<Report> reports;
};

} // namespace

// The window pastes and the settings pages run actions on the GUI thread while the worker runs
// the tablet's: both reach the action runner's state, the keyboard driver's sticky modifiers and
// the last pointer event at once. Under ThreadSanitizer this run must be clean; everywhere,
// every report of both must arrive once.
TEST(AppLogicActions, TheGuiThreadRunsActionsWhileTheWorkerRunsTheTablets)
{
    constexpr int kTabletRounds = 60;
    constexpr std::size_t kMinimumGuiRounds = 20;
    constexpr std::size_t kMaximumGuiRounds = 4000;
    auto sink = std::make_shared<SharedReportSink>();
    auto keyboardDriver = std::make_shared<KeyboardDriver>(sink, [](int) {});
    ActionEngine engine(keyboardDriver);
    engine.configure->common.message = true;
    engine.configure->hotkey.keys[1] = keyboard(QStringLiteral("Ctrl+S"));
    engine.configure->hotkey.keys[2] = std::make_shared<TabletMouseAction>(QString(), TabletMouseAction::CtrlWheelUp);
    engine.configure->hotkey.keys[3] = std::make_shared<TabletMiscAction>(QString(), TabletMiscAction::PenEraser);
    engine.configure->hotkey.keys[4] = std::make_shared<TabletMiscAction>(
            QString(), TabletMiscAction::CustomTool, QStringList{QStringLiteral("F3"), QStringLiteral("F4")});
    engine.configure->mapping.absRect = QRect(0, 0, 1920, 1080);
    engine.configure->mapping.part = QRect(0, 0, 1920, 1080);
    engine.configure->mapping.desktopSize = QSize(1920, 1080);
    engine.configure->mapping.dpiRect = QRect(0, 0, 1920, 1080);
    engine.configure->mapping.dpiDesktopRect = QRect(0, 0, 1920, 1080);
    engine.start();

    const KeyCount ctrlS{0x01, 0x16};
    std::atomic<bool> tabletDone{false};
    std::thread tablet([&] {
        for (int round = 0; round < kTabletRounds; ++round) {
            for (std::uint32_t bits : {0x01u, 0x02u, 0x04u, 0x08u}) {
                engine.bus->feedReport(kPath, keyReport(bits, true));
                engine.bus->feedReport(kPath, keyReport(0x00, false));
            }
            engine.bus->feedReport(kPath, hoverReport(0xA0));
            engine.bus->feedReport(kPath, hoverReport(0xA1));
            // Within the tablet's input buffer: the worker has reached this round.
            if (!sink->waitForPresses(ctrlS, std::size_t(round + 1)))
                break;
        }
        tabletDone = true;
    });
    for (int i = 0; i < 1000 && !engine.logic->activeConfigure(); ++i)
        std::this_thread::sleep_for(1ms);
    const auto paste = std::make_shared<TabletKeyboardAction>(QString(), QStringLiteral("Ctrl+V"),
                                                              TabletKeyboardAction::KeyCombination);
    const TabletActionPtr tools = std::make_shared<TabletMiscAction>(
            QString(), TabletMiscAction::CustomTool, QStringList{QStringLiteral("F1"), QStringLiteral("F2")});
    const TabletActionPtr penEraser = std::make_shared<TabletMiscAction>(QString(), TabletMiscAction::PenEraser);
    const TabletMouseAction zoomIn(QString(), TabletMouseAction::CtrlWheelUp);
    const TabletMouseAction doubleClick(QString(), TabletMouseAction::LeftDoubleClick);
    // As long as the tablet runs, in pairs of rounds, so the tools' round ends where it began.
    std::size_t guiRounds = 0;
    while (guiRounds < kMinimumGuiRounds || (!tabletDone && guiRounds < kMaximumGuiRounds)) {
        for (int i = 0; i < 2; ++i, ++guiRounds) {
            engine.logic->sendShortcut(*paste, true);
            engine.logic->showActionTip(tools);
            engine.logic->runAction(tools, true);
            engine.logic->runAction(penEraser, true);
            engine.logic->runMouseAction(zoomIn, true);
            engine.logic->runMouseAction(doubleClick, true);
        }
    }
    tablet.join();

    // Two reports (press and release) for every shortcut, tool, pen/eraser switch and zoom.
    const std::size_t expected = 2 * 4 * kTabletRounds + 2 * 4 * guiRounds;
    EXPECT_TRUE(sink->waitForReports(expected));
    engine.logic->stop();
    const std::vector<Report> reports = sink->all();
    EXPECT_EQ(reports.size(), expected);
    EXPECT_EQ(pressReports(reports, ctrlS), std::size_t(kTabletRounds)) << "Ctrl+S";
    EXPECT_EQ(pressReports(reports, {0x01, 0x19}), guiRounds) << "Ctrl+V";
    // Keys without modifiers of their own take the sticky Ctrl of a zoom running on the other
    // thread, so these count whatever the modifiers.
    EXPECT_EQ(pressReports(reports, {kAnyModifiers, 0x3A}), guiRounds / 2) << "F1";
    EXPECT_EQ(pressReports(reports, {kAnyModifiers, 0x3B}), guiRounds / 2) << "F2";
    EXPECT_EQ(pressReports(reports, {kAnyModifiers, 0x3C}), std::size_t(kTabletRounds / 2)) << "F3";
    EXPECT_EQ(pressReports(reports, {kAnyModifiers, 0x3D}), std::size_t(kTabletRounds / 2)) << "F4";
    EXPECT_EQ(pressReports(reports, {kAnyModifiers, 0x08}) + pressReports(reports, {kAnyModifiers, 0x05}),
              kTabletRounds + guiRounds) << "E or B of every pen/eraser switch";
    EXPECT_EQ(keyboardDriver->stickyModifiers(), 0) << "every zoom let go of its Ctrl";
}
