#include "engine/core/AppLogic.h"

#include "config/TabletKeyboardAction.h"
#include "config/TabletMiscAction.h"
#include "config/TabletMouseAction.h"
#include "engine/display/ScreenStatusListen.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/support/ActionJournal.h"
#include "engine/support/SimulatedTablet.h"

#include <QSignalSpy>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
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
    ActionEngine()
    {
        bus = std::make_shared<SimulatedHidBus>();
        bus->addDevice(simulatedTablet(kPath, "QZ-Pen 6"));
        EnginePlatform platform;
        platform.hid = bus;
        platform.drivers = std::make_unique<DriverInterfaceSet>(std::make_shared<JournalPointer>(journal),
                                                                std::make_shared<JournalKeyboard>(journal));
        platform.displays = &screens;
        platform.cursorPosition = [] { return QPoint(960, 540); };
        platform.foreground = foreground;
        platform.appProfiles = [this] { return profiles; };
        platform.toolShortcuts = [](const ProcessEntry &, ShortcutEntries &) { return false; };
        platform.wait = [this](int milliseconds) { journal.add("wait " + std::to_string(milliseconds)); };
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
    QSignalSpy components(engine.logic.get(), &AppLogic::componentDataChanged);
    engine.logic->start();
    engine.bus->feedReport(kPath, keyReport(0x01, true));
    for (int i = 0; i < 500 && components.count() < 1; ++i)
        std::this_thread::sleep_for(10ms);
    engine.logic->stop();
    EXPECT_EQ(components.count(), 1);
    EXPECT_EQ(engine.journal.size(), 0u);
    EXPECT_FALSE(engine.logic->runAction(keyboard(QStringLiteral("A")), true));
}
