#include "engine/actions/ActionRunner.h"

#include "config/actions/TabletExecAction.h"
#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMediaAction.h"
#include "config/actions/TabletMiscAction.h"
#include "config/actions/TabletMouseAction.h"
#include "engine/support/ActionJournal.h"
#include "engine/support/SourceTreePath.h"

#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <thread>

namespace {

using Lines = std::vector<std::string>;
using testing::ElementsAre;

TabletActionPtr keyboard(const QString &text, const QString &tip = QString())
{
    return std::make_shared<TabletKeyboardAction>(tip, text, TabletKeyboardAction::KeyCombination);
}

TabletActionPtr typedText(const QString &text)
{
    return std::make_shared<TabletKeyboardAction>(QString(), text, TabletKeyboardAction::TypedText);
}

TabletActionPtr mouse(std::uint32_t event)
{
    return std::make_shared<TabletMouseAction>(QString(), event);
}

TabletActionPtr misc(std::uint32_t event, const QStringList &tools = {})
{
    return std::make_shared<TabletMiscAction>(QString(), event, tools);
}

TabletActionPtr media(std::uint32_t event)
{
    return std::make_shared<TabletMediaAction>(QString(), event);
}

TabletActionPtr exec(const QString &path)
{
    return std::make_shared<TabletExecAction>(QStringLiteral("Run it"), path);
}

AppProfile profile(const QString &name, const QString &path)
{
    AppProfile app;
    app.name = name;
    app.path = path;
    return app;
}

class ActionRunnerTest : public testing::Test
{
protected:
    ActionRunnerTest() : fakes(journal), host(journal), runner(fakes.services(), host)
    {
        configure.common.message = false;
    }

    bool press(const TabletActionPtr &action) { return runner.runAction(action, true, configure); }
    bool release(const TabletActionPtr &action) { return runner.runAction(action, false, configure); }
    void key(std::uint16_t index, bool pressed, bool isVirtual = false)
    {
        runner.handleKey(TabletKeyPacket(index, pressed ? 1 : 0, isVirtual ? 1 : 0), configure);
    }
    void dial(std::uint16_t index, std::uint32_t direction)
    {
        runner.handleDial(TabletDialPacket(index, direction), configure);
    }
    void setProfiles(const AppProfileList &profiles)
    {
        fakes.profiles = std::make_shared<const AppProfileList>(profiles);
    }
    void knowApplications()
    {
        fakes.known = ThirdPartyProfiles::load(sourceTreePath(QStringLiteral("res/third")) + QLatin1Char('/'));
    }

    ActionJournal journal;
    JournalServices fakes;
    JournalHost host;
    ActionRunner runner;
    TabletConfigure configure;
};

} // namespace

// ---- keyboard

TEST_F(ActionRunnerTest, AShortcutIsTappedOnThePressAndNothingHappensOnTheRelease)
{
    EXPECT_TRUE(press(keyboard(QStringLiteral("Ctrl+S"))));
    EXPECT_TRUE(release(keyboard(QStringLiteral("Ctrl+S"))));
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=2 0x16 -1 5", "key- mods=2 0x16 -1 5"));
}

TEST_F(ActionRunnerTest, WithHotkeySyncAShortcutIsHeldWhileTheControlIsHeld)
{
    configure.common.hotkeySync = true;
    press(keyboard(QStringLiteral("Shift+A")));
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=1 0x04 -1 5"));
    release(keyboard(QStringLiteral("Shift+A")));
    EXPECT_THAT(journal.take(), ElementsAre("key- mods=1 0x04 -1 5"));
}

TEST_F(ActionRunnerTest, ATextActionAsksTheWindowToPasteOnThePressOnly)
{
    press(typedText(QStringLiteral("hello")));
    release(typedText(QStringLiteral("hello")));
    EXPECT_THAT(journal.take(), ElementsAre("paste hello"));
}

TEST_F(ActionRunnerTest, WithoutAKeyboardDriverNoShortcutAndNoPasteHappen)
{
    ActionServices services = fakes.services();
    services.keyboard.reset();
    ActionRunner bare(services, host);
    bare.runAction(keyboard(QStringLiteral("Ctrl+S")), true, configure);
    bare.runAction(typedText(QStringLiteral("hello")), true, configure);
    EXPECT_TRUE(journal.take().empty());
}

TEST_F(ActionRunnerTest, NoActionOrAnUnknownKindIsNotHandled)
{
    EXPECT_FALSE(press(nullptr));
    EXPECT_FALSE(press(std::make_shared<TabletAction>(9, QStringLiteral("other"), QString())));
    EXPECT_TRUE(journal.take().empty());
}

// ---- tips

TEST_F(ActionRunnerTest, TipsNameTheActionOnThePressWhenMessagesAreOn)
{
    configure.common.message = true;
    press(keyboard(QStringLiteral("Ctrl+Z"), QStringLiteral("Undo")));
    release(keyboard(QStringLiteral("Ctrl+Z"), QStringLiteral("Undo")));
    press(exec(QStringLiteral("/no/such/program")));
    press(mouse(TabletMouseAction::WheelDown));
    press(media(TabletMediaAction::VolumeUp));
    press(misc(TabletMiscAction::SwitchMonitor));
    const Lines lines = journal.take();
    const Lines tips = [&] {
        Lines only;
        for (const std::string &line : lines)
            if (line.rfind("tip ", 0) == 0)
                only.push_back(line);
        return only;
    }();
    EXPECT_THAT(tips, ElementsAre("tip tr:Undo", "tip Run it", "tip Wheel Down", "tip Volume +",
                                  "tip Switch Monitor"));
}

TEST_F(ActionRunnerTest, NoTipWhenMessagesAreOff)
{
    press(misc(TabletMiscAction::SwitchMonitor));
    EXPECT_THAT(journal.take(), ElementsAre("screen"));
}

// ---- mouse

TEST_F(ActionRunnerTest, ClicksHoldTheirButtonOnlyOnceAPointerEventWasSent)
{
    press(mouse(TabletMouseAction::LeftClick));
    release(mouse(TabletMouseAction::RightClick));
    EXPECT_TRUE(journal.take().empty());

    host.lastPosition = QPoint(100, 200);
    press(mouse(TabletMouseAction::LeftClick));
    release(mouse(TabletMouseAction::LeftClick));
    press(mouse(TabletMouseAction::RightClick));
    release(mouse(TabletMouseAction::RightClick));
    EXPECT_THAT(journal.take(), ElementsAre("mode 1", "mode 0", "mode 3", "mode 0"));
}

TEST_F(ActionRunnerTest, GameModeHoldsEveryButtonAtOnce)
{
    configure.pen.relative = true;
    configure.pen.gameSupport = true;
    press(mouse(TabletMouseAction::LeftClick));
    press(mouse(TabletMouseAction::MiddleClick));
    release(mouse(TabletMouseAction::MiddleClick));
    press(mouse(TabletMouseAction::RightClick));
    EXPECT_THAT(journal.take(), ElementsAre("mode 1", "mode 2", "mode 0", "mode 3"));
}

TEST_F(ActionRunnerTest, TheMiddleButtonUnderInkIsAMouseReportOfItsOwn)
{
    press(mouse(TabletMouseAction::MiddleClick));
    release(mouse(TabletMouseAction::MiddleClick));
    EXPECT_THAT(journal.take(), ElementsAre("wait 5", "rel 0,0 2 1", "wait 5", "rel 0,0 0 0"));
}

TEST_F(ActionRunnerTest, TheMiddleButtonWithoutInkIsHeldLikeTheOthers)
{
    configure.pen.ink = false;
    press(mouse(TabletMouseAction::MiddleClick));
    EXPECT_TRUE(journal.take().empty()) << "no pointer event was sent yet";
    host.lastPosition = QPoint(1, 2);
    press(mouse(TabletMouseAction::MiddleClick));
    release(mouse(TabletMouseAction::MiddleClick));
    EXPECT_THAT(journal.take(), ElementsAre("mode 2", "mode 0"));
}

TEST_F(ActionRunnerTest, ADoubleClickGoesToTheLastPointerPosition)
{
    press(mouse(TabletMouseAction::LeftDoubleClick));
    EXPECT_TRUE(journal.take().empty()) << "no position to click at";

    host.lastPosition = QPoint(100, 200);
    press(mouse(TabletMouseAction::LeftDoubleClick));
    release(mouse(TabletMouseAction::LeftDoubleClick));
    EXPECT_THAT(journal.take(), ElementsAre("abs 100,200 1 1", "wait 5", "abs 100,200 1 0", "wait 5",
                                            "abs 100,200 1 1", "wait 5", "abs 100,200 1 0", "wait 5"));
}

TEST_F(ActionRunnerTest, ADoubleClickInGameModeIsRelativeWithoutMotion)
{
    configure.pen.relative = true;
    configure.pen.gameSupport = true;
    press(mouse(TabletMouseAction::LeftDoubleClick));
    EXPECT_THAT(journal.take(), ElementsAre("rel 0,0 1 1", "wait 5", "rel 0,0 1 0", "wait 5",
                                            "rel 0,0 1 1", "wait 5", "rel 0,0 1 0", "wait 5"));
}

TEST_F(ActionRunnerTest, TheWheelTurnsAtTheCursorAndNotWithoutMonitors)
{
    press(mouse(TabletMouseAction::WheelUp));
    EXPECT_TRUE(journal.take().empty());

    host.cursor = QPoint(16383, 8000);
    press(mouse(TabletMouseAction::WheelUp));
    release(mouse(TabletMouseAction::WheelUp));
    press(mouse(TabletMouseAction::WheelDown));
    EXPECT_THAT(journal.take(), ElementsAre("abs 16383,8000 4 1", "abs 16383,8000 5 1"));
}

TEST_F(ActionRunnerTest, TheWheelInGameModeIsRelative)
{
    configure.pen.relative = true;
    configure.pen.gameSupport = true;
    press(mouse(TabletMouseAction::WheelDown));
    EXPECT_THAT(journal.take(), ElementsAre("rel 0,0 5 1"));
}

TEST_F(ActionRunnerTest, ZoomHoldsCtrlAroundTheWheel)
{
    host.cursor = QPoint(10, 20);
    press(mouse(TabletMouseAction::CtrlWheelUp));
    release(mouse(TabletMouseAction::CtrlWheelUp));
    press(mouse(TabletMouseAction::CtrlWheelDown));
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=2 -1 -1 5", "abs 10,20 4 1", "key- mods=2 -1 -1 5",
                                            "key+ mods=2 -1 -1 5", "abs 10,20 5 1", "key- mods=2 -1 -1 5"));
}

TEST_F(ActionRunnerTest, AnUndefinedMouseActionDoesNothing)
{
    host.lastPosition = QPoint(1, 1);
    EXPECT_TRUE(press(mouse(TabletMouseAction::Undefined)));
    EXPECT_TRUE(journal.take().empty());
}

// ---- media

TEST_F(ActionRunnerTest, BrowserKeysAreShortcutsOfTheUsageTable)
{
    press(media(TabletMediaAction::BrowserBack));
    press(media(TabletMediaAction::BrowserForward));
    press(media(TabletMediaAction::BrowserRefresh));
    press(media(TabletMediaAction::BrowserHome));
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=8 0x50 -1 5", "key- mods=8 0x50 -1 5",
                                            "key+ mods=8 0x4F -1 5", "key- mods=8 0x4F -1 5",
                                            "key+ mods=0 0x3E -1 5", "key- mods=0 0x3E -1 5",
                                            "key+ mods=8 0x4A -1 5", "key- mods=8 0x4A -1 5"));
}

TEST_F(ActionRunnerTest, PlayerAndVolumeKeysAreCodesOfTheSystemTable)
{
    const std::vector<int> codes = {0xB1, 0xB0, 0xB3, 0xAD, 0xAE, 0xAF};
    for (std::uint32_t event = TabletMediaAction::PreviousTrack; event <= TabletMediaAction::VolumeUp; ++event)
        press(media(event));
    release(media(TabletMediaAction::VolumeUp));
    Lines expected;
    for (int code : codes) {
        expected.push_back("key+ mods=0 " + hex(code) + " -1 5");
        expected.push_back("key- mods=0 " + hex(code) + " -1 5");
    }
    EXPECT_EQ(journal.take(), expected);
}

TEST_F(ActionRunnerTest, AnUnknownMediaCodeSendsNothing)
{
    press(media(TabletMediaAction::Undefined));
    EXPECT_TRUE(journal.take().empty());
}

// ---- misc

TEST_F(ActionRunnerTest, TheScreenSwitchAsksTheWindowOnThePressOnly)
{
    press(misc(TabletMiscAction::SwitchMonitor));
    release(misc(TabletMiscAction::SwitchMonitor));
    EXPECT_THAT(journal.take(), ElementsAre("screen"));
}

TEST_F(ActionRunnerTest, TheDialActionSwitchNeedsADeviceWithDialKeys)
{
    press(misc(TabletMiscAction::ChangeDialAction));
    EXPECT_TRUE(journal.take().empty());
    host.dialKeys = 2;
    press(misc(TabletMiscAction::ChangeDialAction));
    EXPECT_THAT(journal.take(), ElementsAre("dial 1"));
}

TEST_F(ActionRunnerTest, ThePenEraserSwitchWithoutAForegroundProgramTapsTheDefaultPair)
{
    configure.common.message = true;
    press(misc(TabletMiscAction::PenEraser));
    EXPECT_TRUE(host.eraser);
    EXPECT_THAT(journal.take(), ElementsAre("tip tr:Eraser", "key+ mods=0 0x08 -1 5", "key- mods=0 0x08 -1 5",
                                            "wait 10"));
    press(misc(TabletMiscAction::PenEraser));
    EXPECT_FALSE(host.eraser);
    EXPECT_THAT(journal.take(), ElementsAre("tip tr:Pen", "key+ mods=0 0x05 -1 5", "key- mods=0 0x05 -1 5",
                                            "wait 10"));
    EXPECT_EQ(host.toolChanges, 2);
}

TEST_F(ActionRunnerTest, ThePenEraserSwitchSendsTheKnownApplicationsOwnShortcuts)
{
    knowApplications();
    fakes.foreground->set(QStringLiteral("sai"), QStringLiteral("C:\\Apps\\SAI\\sai.exe"));
    press(misc(TabletMiscAction::PenEraser));
    press(misc(TabletMiscAction::PenEraser));
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=0 0x08 -1 5", "key- mods=0 0x08 -1 5", "wait 10",
                                            "key+ mods=0 0x19 -1 5", "key- mods=0 0x19 -1 5", "wait 10"));

    fakes.foreground->set(QStringLiteral("Illustrator"), QStringLiteral("C:\\Adobe\\Illustrator.exe"));
    press(misc(TabletMiscAction::PenEraser));
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=1 0x08 -1 5", "key- mods=1 0x08 -1 5", "wait 10"))
            << "Illustrator's eraser is Shift+E";
}

TEST_F(ActionRunnerTest, ThePenEraserSwitchSendsNothingToApplicationsThatSwitchByThemselves)
{
    knowApplications();
    const std::vector<std::pair<QString, QString>> silent = {
            {QStringLiteral("krita"), QStringLiteral("C:\\Krita\\krita.exe")},
            {QStringLiteral("sai2"), QStringLiteral("C:\\SAI2\\sai2.exe")},
            {QStringLiteral("Photoshop"), QStringLiteral("C:\\Adobe\\Adobe Photoshop 2021\\Photoshop.exe")},
            {QStringLiteral("notepad"), QStringLiteral("C:\\Tools\\notepad.exe")},
    };
    for (const auto &program : silent) {
        fakes.foreground->set(program.first, program.second);
        press(misc(TabletMiscAction::PenEraser));
        EXPECT_TRUE(journal.take().empty()) << program.first.toStdString();
    }
    EXPECT_EQ(host.toolChanges, 4) << "the tool switches all the same";
}

TEST_F(ActionRunnerTest, ThePenEraserSwitchSendsTheDefaultPairToAnUnknownProgramWithoutInk)
{
    configure.pen.ink = false;
    fakes.foreground->set(QStringLiteral("notepad"), QStringLiteral("C:\\Tools\\notepad.exe"));
    press(misc(TabletMiscAction::PenEraser));
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=0 0x08 -1 5", "key- mods=0 0x08 -1 5", "wait 10"));
}

TEST_F(ActionRunnerTest, PhotoshopCs6TakesItsShortcutsDespiteItsVersionCode)
{
    knowApplications();
    fakes.foreground->set(QStringLiteral("Photoshop"), QStringLiteral("C:\\Adobe\\Adobe Photoshop CS6\\Photoshop.exe"));
    press(misc(TabletMiscAction::PenEraser));
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=0 0x08 -1 5", "key- mods=0 0x08 -1 5", "wait 10"));
}

TEST_F(ActionRunnerTest, ACustomToolSendsItsShortcutsInTurn)
{
    configure.common.message = true;
    const TabletActionPtr tool = misc(TabletMiscAction::CustomTool, {QStringLiteral("Ctrl+1"), QStringLiteral("Ctrl+2"),
                                                                    QStringLiteral("Ctrl+3")});
    for (int i = 0; i < 4; ++i) {
        press(tool);
        release(tool);
    }
    EXPECT_THAT(journal.take(),
                ElementsAre("tip Ctrl+1", "key+ mods=2 0x1E -1 5", "key- mods=2 0x1E -1 5", "wait 10",
                            "tip Ctrl+2", "key+ mods=2 0x1F -1 5", "key- mods=2 0x1F -1 5", "wait 10",
                            "tip Ctrl+3", "key+ mods=2 0x20 -1 5", "key- mods=2 0x20 -1 5", "wait 10",
                            "tip Ctrl+1", "key+ mods=2 0x1E -1 5", "key- mods=2 0x1E -1 5", "wait 10"));
}

// The letters A to Z that the journal's key presses typed, in order.
std::string typedLetters(const Lines &lines)
{
    std::string letters;
    for (const std::string &line : lines) {
        if (line.rfind("key+ mods=0 0x", 0) == 0)
            letters += char('A' + std::stoi(line.substr(14, 2), nullptr, 16) - 0x04);
    }
    return letters;
}

TabletActionPtr roundOfAB()
{
    return misc(TabletMiscAction::CustomTool, {QStringLiteral("A"), QStringLiteral("B")});
}

TEST_F(ActionRunnerTest, EqualToolListsOnDifferentBindingsEachGoTheirOwnRound)
{
    configure.hotkey.appHotkeys = true;
    configure.pen.appHotkeys = true;
    configure.hotkey.keys[1] = roundOfAB();
    configure.hotkey.keys[2] = roundOfAB();
    configure.hotkey.virtualKeys[1] = roundOfAB();
    configure.pen.buttons[1] = roundOfAB();
    configure.hotkey.touches[1] = roundOfAB();
    DialConfigure dialEntry;
    dialEntry.pairs.emplace_back(roundOfAB(), roundOfAB());
    dialEntry.pairs.emplace_back(roundOfAB(), roundOfAB());
    configure.hotkey.dials[1] = dialEntry;
    AppProfile krita = profile(QStringLiteral("krita"), QStringLiteral("C:\\Krita\\krita.exe"));
    krita.keys[1] = roundOfAB();
    AppProfile gimp = profile(QStringLiteral("gimp"), QStringLiteral("C:\\GIMP\\gimp.exe"));
    gimp.keys[1] = roundOfAB();
    setProfiles({krita, gimp});
    configure.hotkey.dialSensitivity = false;

    const struct
    {
        const char *control;
        std::function<void()> press;
    } controls[] = {
        {"key 1", [&] { key(1, true); key(0, false); }},
        {"key 2", [&] { key(2, true); key(0, false); }},
        {"virtual key 1", [&] { key(1, true, true); key(0, false, true); }},
        {"pen button 1", [&] {
             runner.handlePenButtons(true, false, configure);
             runner.handlePenButtons(false, false, configure);
         }},
        {"touch position 1", [&] { runner.handleTouch(TabletTouchPacket(1, 1), configure); }},
        {"dial 1 forward", [&] { dial(1, 1); }},
        {"dial 1 backward", [&] { dial(1, 2); }},
        {"dial 1 forward in its second pair", [&] {
             configure.hotkey.dials[1].index = 1;
             dial(1, 1);
             configure.hotkey.dials[1].index = 0;
         }},
        {"key 1 of krita's profile", [&] {
             fakes.foreground->set(QStringLiteral("krita"), QStringLiteral("C:\\Krita\\krita.exe"));
             key(1, true);
             key(0, false);
             fakes.foreground->current.reset();
         }},
        {"key 1 of gimp's profile", [&] {
             fakes.foreground->set(QStringLiteral("gimp"), QStringLiteral("C:\\GIMP\\gimp.exe"));
             key(1, true);
             key(0, false);
             fakes.foreground->current.reset();
         }},
    };
    for (const auto &control : controls) {
        control.press();
        EXPECT_EQ(typedLetters(journal.take()), "A") << control.control << ": a round of its own starts at A";
    }
    for (const auto &control : controls) {
        control.press();
        EXPECT_EQ(typedLetters(journal.take()), "B") << control.control << ": its own round goes on";
    }
}

TEST_F(ActionRunnerTest, TheRoundOfACustomToolOutlivesAHandedOverConfiguration)
{
    configure.hotkey.keys[1] = roundOfAB();
    key(1, true);
    key(0, false);
    configure.hotkey.keys[1] = roundOfAB(); // handed over again: a new action object
    key(1, true);
    key(0, false);
    configure.hotkey.keys[1] = misc(TabletMiscAction::CustomTool, {QStringLiteral("A"), QStringLiteral("B"),
                                                                   QStringLiteral("C")});
    key(1, true);
    key(0, false);
    EXPECT_EQ(typedLetters(journal.take()), "ABA") << "a changed list starts again at its first text";
}

// ---- exec

TEST_F(ActionRunnerTest, AnExecActionWhoseFileIsMissingStartsNothing)
{
    press(exec(QStringLiteral("/no/such/folder/program.exe")));
    EXPECT_TRUE(journal.take().empty());
}

TEST_F(ActionRunnerTest, AnExecActionStartsAnExistingProgramOnThePress)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("tool.exe"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    press(exec(path));
    release(exec(path));
    press(exec(folder.path()));
    EXPECT_THAT(journal.take(), ElementsAre("start " + path.toStdString())) << "a folder is no program";
}

// ---- keys

TEST_F(ActionRunnerTest, AKeyRunsItsBindingAndAnUnboundKeyNothing)
{
    configure.hotkey.keys[1] = keyboard(QStringLiteral("A"));
    key(1, true);
    key(0, false);
    key(2, true);
    key(0, false);
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=0 0x04 -1 5", "key- mods=0 0x04 -1 5"));
}

TEST_F(ActionRunnerTest, VirtualKeysUseTheVirtualKeyMap)
{
    configure.hotkey.keys[1] = keyboard(QStringLiteral("A"));
    configure.hotkey.virtualKeys[1] = keyboard(QStringLiteral("B"));
    key(1, true, true);
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=0 0x05 -1 5", "key- mods=0 0x05 -1 5"));
}

TEST_F(ActionRunnerTest, TheReleaseReportReachesTheBindingOfThePressedKey)
{
    host.lastPosition = QPoint(5, 5);
    configure.hotkey.keys[3] = mouse(TabletMouseAction::LeftClick);
    configure.hotkey.keys[4] = keyboard(QStringLiteral("Ctrl"));
    configure.common.hotkeySync = true;
    key(3, true);
    key(0, false);
    key(4, true);
    key(0, false);
    EXPECT_THAT(journal.take(), ElementsAre("mode 1", "mode 0", "key+ mods=2 -1 -1 5", "key- mods=2 -1 -1 5"));
}

TEST_F(ActionRunnerTest, AReleaseOfAnotherGroupLeavesAHeldKeyHeld)
{
    host.lastPosition = QPoint(5, 5);
    configure.hotkey.keys[3] = mouse(TabletMouseAction::RightClick);
    key(3, true);
    key(0, false, true);
    EXPECT_THAT(journal.take(), ElementsAre("mode 3"));
    key(0, false);
    EXPECT_THAT(journal.take(), ElementsAre("mode 0"));
}

TEST_F(ActionRunnerTest, PressingAnotherKeyReleasesTheHeldOneFirst)
{
    host.lastPosition = QPoint(5, 5);
    configure.hotkey.keys[2] = mouse(TabletMouseAction::RightClick);
    configure.hotkey.keys[5] = mouse(TabletMouseAction::LeftClick);
    key(5, true);
    key(2, true);
    key(0, false);
    EXPECT_THAT(journal.take(), ElementsAre("mode 1", "mode 0", "mode 3", "mode 0"));
}

TEST_F(ActionRunnerTest, AKeyBoundInTheForegroundProfileUsesOnlyThatProfilesMap)
{
    configure.hotkey.appHotkeys = true;
    configure.hotkey.keys[1] = keyboard(QStringLiteral("A"));
    AppProfile sai = profile(QStringLiteral("sai"), QStringLiteral("C:\\Apps\\SAI\\sai.exe"));
    sai.keys[2] = keyboard(QStringLiteral("B"));
    setProfiles({sai});
    fakes.foreground->set(QStringLiteral("SAI2"), QStringLiteral("D:\\Other\\sai2.exe"));

    key(1, true);
    key(0, false);
    EXPECT_TRUE(journal.take().empty()) << "the profile's map replaces the configuration's whole";
    key(2, true);
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=0 0x05 -1 5", "key- mods=0 0x05 -1 5"));

    configure.hotkey.appHotkeys = false;
    key(1, true);
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=0 0x04 -1 5", "key- mods=0 0x04 -1 5"))
            << "without the option the configuration's map applies";
}

TEST_F(ActionRunnerTest, AnotherForegroundProgramFallsBackToTheConfigurationsMap)
{
    configure.hotkey.appHotkeys = true;
    configure.hotkey.keys[1] = keyboard(QStringLiteral("A"));
    AppProfile krita = profile(QStringLiteral("krita"), QStringLiteral("C:\\Krita\\krita.exe"));
    krita.keys[1] = keyboard(QStringLiteral("B"));
    setProfiles({krita});
    fakes.foreground->set(QStringLiteral("notepad"), QStringLiteral("C:\\Tools\\notepad.exe"));
    key(1, true);
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=0 0x04 -1 5", "key- mods=0 0x04 -1 5"));
}

// ---- pen buttons

TEST_F(ActionRunnerTest, PenButtonsRunOnEveryChangeOfTheirFlag)
{
    host.lastPosition = QPoint(5, 5);
    configure.pen.buttons[1] = mouse(TabletMouseAction::RightClick);
    configure.pen.buttons[2] = mouse(TabletMouseAction::LeftClick);
    runner.handlePenButtons(true, false, configure);
    runner.handlePenButtons(true, false, configure);
    runner.handlePenButtons(false, false, configure);
    runner.handlePenButtons(false, true, configure);
    runner.handlePenButtons(false, false, configure);
    EXPECT_THAT(journal.take(), ElementsAre("mode 3", "mode 0", "mode 1", "mode 0"));
}

TEST_F(ActionRunnerTest, WhenBothPenButtonsChangeBothRunTheReleaseFirst)
{
    configure.pen.buttons[1] = keyboard(QStringLiteral("A"));
    configure.pen.buttons[2] = keyboard(QStringLiteral("B"));
    configure.common.hotkeySync = true;
    runner.handlePenButtons(false, true, configure);
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=0 0x05 -1 5"));
    runner.handlePenButtons(true, false, configure);
    EXPECT_THAT(journal.take(), ElementsAre("key- mods=0 0x05 -1 5", "key+ mods=0 0x04 -1 5"));
}

TEST_F(ActionRunnerTest, PenButtonsUseTheForegroundProfileWhenThePensOptionIsOn)
{
    configure.pen.buttons[1] = keyboard(QStringLiteral("A"));
    AppProfile krita = profile(QStringLiteral("krita"), QStringLiteral("C:\\Krita\\krita.exe"));
    krita.buttons[1] = keyboard(QStringLiteral("B"));
    setProfiles({krita});
    fakes.foreground->set(QStringLiteral("krita"), QStringLiteral("C:\\Krita\\krita.exe"));
    configure.hotkey.appHotkeys = true; // the keys' option says nothing about pen buttons
    runner.handlePenButtons(true, false, configure);
    runner.handlePenButtons(false, false, configure);
    configure.pen.appHotkeys = true;
    runner.handlePenButtons(true, false, configure);
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=0 0x04 -1 5", "key- mods=0 0x04 -1 5",
                                            "key+ mods=0 0x05 -1 5", "key- mods=0 0x05 -1 5"));
}

// ---- dial and touch

class ActionRunnerDialTest : public ActionRunnerTest
{
protected:
    ActionRunnerDialTest()
    {
        DialConfigure entry;
        entry.pairs.emplace_back(keyboard(QStringLiteral("A")), keyboard(QStringLiteral("B")));
        entry.pairs.emplace_back(keyboard(QStringLiteral("1")), keyboard(QStringLiteral("2")));
        configure.hotkey.dials[1] = entry;
    }

    int keyPresses()
    {
        int presses = 0;
        for (const std::string &line : journal.take())
            presses += line.rfind("key+", 0) == 0 ? 1 : 0;
        return presses;
    }
};

TEST_F(ActionRunnerDialTest, AStepTapsTheActionOfItsDirectionInTheCurrentPair)
{
    configure.hotkey.dialSensitivity = false;
    dial(1, 1);
    dial(1, 2);
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=0 0x04 -1 5", "key- mods=0 0x04 -1 5", "wait 1",
                                            "key+ mods=0 0x05 -1 5", "key- mods=0 0x05 -1 5", "wait 1"));
    configure.hotkey.dials[1].index = 1;
    dial(1, 2);
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=0 0x1F -1 5", "key- mods=0 0x1F -1 5", "wait 1"));
}

TEST_F(ActionRunnerDialTest, WithSensitivityTwoStepsOneWay50MsApartRunOnce)
{
    dial(1, 1);
    fakes.now += 50;
    dial(1, 1);
    EXPECT_EQ(keyPresses(), 1);
}

TEST_F(ActionRunnerDialTest, WithSensitivityStepsBothWays50MsApartRunTwice)
{
    dial(1, 1);
    fakes.now += 50;
    dial(1, 2);
    EXPECT_EQ(keyPresses(), 2);
}

TEST_F(ActionRunnerDialTest, WithSensitivityStepsOneWayFarEnoughApartRunTwice)
{
    dial(1, 1);
    fakes.now += 150;
    dial(1, 1);
    EXPECT_EQ(keyPresses(), 2);
}

TEST_F(ActionRunnerDialTest, WithoutSensitivityEveryStepRuns)
{
    configure.hotkey.dialSensitivity = false;
    dial(1, 1);
    fakes.now += 10;
    dial(1, 1);
    EXPECT_EQ(keyPresses(), 2);
}

TEST_F(ActionRunnerDialTest, TheDialsButtonAsksTheWindowToSwitchThatDialsPair)
{
    dial(1, 0);
    dial(1, 0);
    EXPECT_THAT(journal.take(), ElementsAre("dial 1", "dial 1"));
}

TEST_F(ActionRunnerDialTest, AnUnboundDialOrAPairOutsideItsListDoesNothing)
{
    dial(2, 1);
    dial(2, 0);
    configure.hotkey.dials[1].index = 2;
    fakes.now += 500;
    dial(1, 1);
    EXPECT_TRUE(journal.take().empty());
}

TEST_F(ActionRunnerTest, ATouchSegmentTapsItsBinding)
{
    configure.hotkey.touches[5] = keyboard(QStringLiteral("E"));
    runner.handleTouch(TabletTouchPacket(1, 5), configure);
    runner.handleTouch(TabletTouchPacket(1, 6), configure);
    EXPECT_THAT(journal.take(), ElementsAre("key+ mods=0 0x08 -1 5", "key- mods=0 0x08 -1 5", "wait 2"));
}

// The GUI thread runs actions while the worker runs the tablet's: a round of shortcuts shared by
// both loses no step, and neither disturbs the other's held key, dial or round.
TEST_F(ActionRunnerTest, TwoThreadsRunActionsAtOnce)
{
    constexpr int kRuns = 400;
    ActionServices services = fakes.services();
    std::atomic<std::uint64_t> clock{0};
    services.wait = [](int) {};
    services.clock = [&clock] { return clock += 200; };
    ActionRunner shared(services, host);
    const TabletActionPtr unbound = misc(TabletMiscAction::CustomTool, {QStringLiteral("A"), QStringLiteral("B")});
    configure.hotkey.keys[1] = misc(TabletMiscAction::CustomTool, {QStringLiteral("C"), QStringLiteral("D")});
    DialConfigure dialEntry;
    dialEntry.pairs.emplace_back(keyboard(QStringLiteral("E")), keyboard(QStringLiteral("F")));
    configure.hotkey.dials[1] = dialEntry;

    std::thread worker([&] {
        for (int i = 0; i < kRuns; ++i) {
            shared.handleKey(TabletKeyPacket(1, 1, 0), configure);
            shared.handleKey(TabletKeyPacket(0, 0, 0), configure);
            shared.handleDial(TabletDialPacket(1, 1), configure);
            shared.runAction(unbound, true, configure);
        }
    });
    for (int i = 0; i < kRuns; ++i)
        shared.runAction(unbound, true, configure);
    worker.join();

    std::map<char, int> presses;
    for (char letter : typedLetters(journal.take()))
        ++presses[letter];
    EXPECT_EQ(presses, (std::map<char, int>{{'A', kRuns}, {'B', kRuns}, {'C', kRuns / 2}, {'D', kRuns / 2},
                                            {'E', kRuns}}));
}
