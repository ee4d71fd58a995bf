#include "app/MainWindow.h"

#include "config/actions/TabletKeyboardAction.h"
#include "config/configure/CommonSettings.h"
#include "config/configure/ConfigureStore.h"
#include "config/language/TabletLanguage.h"
#include "config/packets/TabletComponentPacketWrapper.h"
#include "config/platform/DataFolders.h"
#include "config/profiles/AppProfile.h"
#include "config/support/IsolatedDataLocation.h"
#include "engine/device/TabletDevice_Win32.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/output/KeyboardDriver.h"
#include "engine/output/VirtualHidReportSink.h"
#include "engine/support/SignalRecorder.h"
#include "engine/support/SimulatedTablet.h"
#include "engine/support/SimulatedVirtualDevice.h"
#include "support/QtPrinters.h"
#include "support/WaitUntil.h"
#include "ui/dialogs/messages/VNotDetectedDlg.h"
#include "ui/pages/VHotkeyPanel.h"
#include "ui/pages/VPenPanel.h"
#include "ui/widgets/VMacAccessibilityBanner.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSystemTrayIcon>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace std::chrono_literals;

const char kPenSixPath[] = "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&1111&0&0000";
const char kPenSix[] = "QZ-Pen 6";
const char kPenTwelvePath[] = "\\\\?\\hid#vid_5a4c&pid_0067&mi_02#8&3333&0&0000";
const char kPenTwelve[] = "QZ-Pen 12";

struct TestWindow
{
    // The window over a simulated bus with these tablets; with a keyboard, the virtual device
    // is on the bus and the engine types through it.
    explicit TestWindow(std::vector<SimulatedHidDevice> tablets = {}, bool withKeyboard = false,
                        std::function<std::vector<ProcessEntry>()> running = {})
        : bus(std::make_shared<SimulatedHidBus>())
    {
        for (const SimulatedHidDevice &tablet : tablets)
            bus->addDevice(tablet);
        EnginePlatform platform;
        platform.hid = bus;
        platform.runningProcesses = std::move(running);
        if (withKeyboard) {
            bus->addDevice(simulatedVirtualDevice());
            auto keyboard = std::make_shared<KeyboardDriver>(
                    std::make_shared<VirtualHidReportSink>(bus, kTestVendorId), [](int) {});
            platform.drivers = std::make_unique<DriverInterfaceSet>(nullptr, keyboard);
        }
        window = std::make_unique<MainWindow>(std::move(platform));
    }

    MainWindow *operator->() const { return window.get(); }

    template <typename Child>
    Child *child(const char *name) const
    {
        return window->findChild<Child *>(QLatin1String(name));
    }

    std::shared_ptr<SimulatedHidBus> bus;
    std::unique_ptr<MainWindow> window;
};

class MainWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        IsolatedDataLocation::clear();
        CommonConfigure english;
        english.language = 0;
        ASSERT_TRUE(saveCommonSettings(english));
        setCurrentConfigure(std::make_shared<TabletConfigure>());
    }

    void TearDown() override
    {
        QApplication::processEvents();
        setCurrentConfigure(std::make_shared<TabletConfigure>());
        setAppProfiles(AppProfileList());
    }
};

// The engine's configuration in use, once its worker took one up for a packet.
TabletConfigurePtr engineConfigure(AppLogic &logic, const TabletConfigurePtr &other = nullptr)
{
    for (int i = 0; i < 300; ++i) {
        logic.pushPacket(std::make_shared<TabletKeyPacket>(1, 0, 0));
        std::this_thread::sleep_for(10ms);
        const TabletConfigurePtr active = logic.activeConfigure();
        if (active && active != other)
            return active;
    }
    return nullptr;
}

// The model of the configuration the engine's worker processes packets with, once it is
// `expected` or after three seconds.
QString engineModel(AppLogic &logic, const QString &expected)
{
    QString model;
    for (int i = 0; i < 300 && model != expected; ++i) {
        logic.pushPacket(std::make_shared<TabletKeyPacket>(1, 0, 0));
        std::this_thread::sleep_for(10ms);
        if (const TabletConfigurePtr active = logic.activeConfigure())
            model = active->model;
    }
    return model;
}

// Made on a thread as a thread_local, it tells when that thread ends.
class ThreadEndNotice
{
public:
    explicit ThreadEndNotice(std::atomic<bool> &ended) : ended(ended) {}
    ~ThreadEndNotice() { ended = true; }

private:
    std::atomic<bool> &ended;
};

// An express-key report of the simulated tablets: key `key` (1 to 8) pressed.
std::vector<std::uint8_t> keyPressReport(int key)
{
    return {9, 'B', 1, 1, std::uint8_t(1u << (key - 1)), 0, 0, 0, 0};
}

AppProfile profile(const char *name)
{
    AppProfile entry;
    entry.name = QLatin1String(name);
    entry.path = QStringLiteral("C:/") + entry.name + QStringLiteral(".exe");
    return entry;
}

QStringList menuTexts(QListWidget *menu)
{
    QStringList texts;
    for (int row = 0; row < menu->count(); ++row)
        texts << menu->item(row)->text();
    return texts;
}

} // namespace

TEST_F(MainWindowTest, WithoutATabletTheNoDeviceDialogStandsInAndAnArrivalBringsTheWindowBack)
{
    TestWindow window;
    window->updateVisibility();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->notDetectedDialog()->isVisible());
    EXPECT_EQ(window.child<QComboBox>("comboDevices")->count(), 0);

    window.bus->addDevice(simulatedTablet(kPenSixPath, kPenSix));
    window->appLogic().onTabletStatus(TabletStatus::Arrived, kPenSixPath);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isVisible(); }, 2000));
    EXPECT_FALSE(window->notDetectedDialog()->isVisible());
    EXPECT_EQ(window.child<QComboBox>("comboDevices")->itemText(0), QLatin1String(kPenSix));
    EXPECT_TRUE(window.child<VPenPanel>("penPanel")->isVisible());
    EXPECT_FALSE(window->windowState().testFlag(Qt::WindowMinimized));
    const auto *banner = window.child<VMacAccessibilityBanner>("widgetAccessibilityBanner");
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->geometry(), QRect(210, 40, 760, 480));
    EXPECT_FALSE(banner->isVisible());

    window.bus->removeDevice(kPenSixPath);
    window->appLogic().onTabletStatus(TabletStatus::Removed, kPenSixPath);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 2000));
    EXPECT_TRUE(window->notDetectedDialog()->isVisible());
    EXPECT_EQ(window.child<QComboBox>("comboDevices")->count(), 0);
}

TEST_F(MainWindowTest, ATabletGetsItsUserFileElseItsDefaultsAndAnUnknownModelKeepsNoOtherModelsConfiguration)
{
    TabletConfigurePtr defaults = loadConfigure(QLatin1String(kPenSix), true, {});
    ASSERT_TRUE(defaults);
    const int defaultStep = defaults->pen.step;
    const struct {
        const char *what;
        const char *product;
        bool userFile;
        bool expectLoaded;
        int expectedStep;
    } cases[] = {
        {"user file", kPenSix, true, true, defaultStep == 7 ? 8 : 7},
        {"defaults", kPenSix, false, true, defaultStep},
        {"neither", "QZ-Pen 99", false, false, 0},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        IsolatedDataLocation::clear();
        CommonConfigure common;
        common.language = 0;
        common.hotkeySync = true; // not the default: the window takes the common part from the file
        ASSERT_TRUE(saveCommonSettings(common));
        if (entry.userFile) {
            TabletConfigure user = *defaults;
            user.pen.step = entry.expectedStep;
            ASSERT_TRUE(saveConfigureTo(user, userConfigPath(QLatin1String(kPenSix)), QString()));
        }
        // What another tablet left current.
        const auto before = std::make_shared<TabletConfigure>(*defaults);
        before->model = QStringLiteral("QZ-Pen 8");
        setCurrentConfigure(before);

        TestWindow window({simulatedTablet(kPenSixPath, entry.product)});

        EXPECT_EQ(window->appLogic().currentIndex(), 0) << "the engine follows the device anyway";
        const TabletConfigurePtr current = currentConfigure();
        ASSERT_TRUE(current);
        ASSERT_NE(current, before);
        EXPECT_TRUE(current->common.hotkeySync);
        if (!entry.expectLoaded) {
            EXPECT_TRUE(current->model.isEmpty());
            EXPECT_FALSE(saveConfigure()) << "nothing is saved under any model's name";
            continue;
        }
        EXPECT_EQ(current->model, QLatin1String(kPenSix));
        EXPECT_EQ(current->pen.step, entry.expectedStep);
        const TabletConfigurePtr engine = engineConfigure(window->appLogic());
        ASSERT_TRUE(engine);
        EXPECT_NE(engine, current) << "the engine gets a copy of its own";
        EXPECT_EQ(engine->pen.step, entry.expectedStep);
    }
}

TEST_F(MainWindowTest, ThePagesOfAnUnknownModelEditNothingAndSayWhy)
{
    const char unknownPath[] = "\\\\?\\hid#vid_5a4c&pid_0999&mi_02#8&2222&0&0000";
    TestWindow window({simulatedTablet(unknownPath, "QZ-Pen 99"), simulatedTablet(kPenSixPath, kPenSix)});
    auto *devices = window.child<QComboBox>("comboDevices");
    ASSERT_EQ(devices->count(), 2);
    auto *notice = window.child<QLabel>("labelUnknownModel");
    ASSERT_TRUE(notice);
    const char *const pages[] = {"penPanel", "hotkeyPanel", "mappingPanel", "settingsPanel"};
    const struct {
        const char *what;
        int entry;
        int language;
        bool editable;
        const char *noticeText;
    } steps[] = {
        {"the unknown model listed first", -1, 0, false, "the model \"QZ-Pen 99\""},
        {"in another language", -1, 4, false, "das Modell „QZ-Pen 99“"},
        {"a known model", 1, 4, true, nullptr},
        {"the unknown model again", 0, 0, false, "the model \"QZ-Pen 99\""},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        if (step.entry >= 0)
            devices->setCurrentIndex(step.entry);
        ASSERT_TRUE(TabletLanguage::instance().setLanguage(step.language));
        for (const char *page : pages)
            EXPECT_EQ(window.child<QWidget>(page)->isEnabled(), step.editable) << page;
        EXPECT_EQ(notice->isHidden(), step.editable);
        if (step.noticeText) {
            EXPECT_TRUE(notice->text().contains(QString::fromUtf8(step.noticeText))) << qPrintable(notice->text());
        }
        EXPECT_EQ(currentConfigure()->model, step.editable ? QLatin1String(kPenSix) : QString());
    }
}

TEST_F(MainWindowTest, TheChosenTabletsModelFillsThePagesAndTheEngineFollowsItAndRemovingItGoesBackToTheFirst)
{
    // Each model's own file, with a pen speed that no default has, shows which one the pages got.
    const struct {
        const char *model;
        int step;
    } files[] = {{kPenSix, 2}, {kPenTwelve, 9}};
    for (const auto &file : files) {
        TabletConfigurePtr user = loadConfigure(QLatin1String(file.model), true, {});
        ASSERT_TRUE(user);
        user->pen.step = file.step;
        ASSERT_TRUE(saveConfigureTo(*user, userConfigPath(QLatin1String(file.model)), QString()));
    }
    SimulatedTabletOptions twelve;
    twelve.productId = 0x0067;
    TestWindow window({simulatedTablet(kPenSixPath, kPenSix), simulatedTablet(kPenTwelvePath, kPenTwelve, twelve)});
    window->updateVisibility();
    auto *devices = window.child<QComboBox>("comboDevices");
    auto *penSpeed = window.child<QSlider>("sliderRelative");
    ASSERT_TRUE(penSpeed);
    SignalRecorder keys(&window->appLogic(), &AppLogic::componentDataChanged);

    enum Step { Start, ChooseSecond, RemoveSecond };
    const struct {
        const char *what;
        Step step;
        QStringList listed;
        const char *model;
        const char *enginePath;
        int penSpeed;
        int key;
    } steps[] = {
        {"the first listed", Start, {kPenSix, kPenTwelve}, kPenSix, kPenSixPath, 2, 1},
        {"the second chosen", ChooseSecond, {kPenSix, kPenTwelve}, kPenTwelve, kPenTwelvePath, 9, 2},
        {"the chosen one unplugged", RemoveSecond, {kPenSix}, kPenSix, kPenSixPath, 2, 3},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        if (step.step == ChooseSecond)
            devices->setCurrentIndex(1);
        if (step.step == RemoveSecond) {
            window.bus->removeDevice(kPenTwelvePath);
            window->appLogic().onTabletStatus(TabletStatus::Removed, kPenTwelvePath);
            ASSERT_TRUE(QTest::qWaitFor([&] { return devices->count() == step.listed.size(); }, 2000));
        }
        QStringList listed;
        for (int entry = 0; entry < devices->count(); ++entry)
            listed << devices->itemText(entry);
        EXPECT_EQ(listed, step.listed);
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->notDetectedDialog()->isVisible());
        ASSERT_TRUE(currentConfigure());
        EXPECT_EQ(currentConfigure()->model, QString::fromLatin1(step.model));
        EXPECT_EQ(penSpeed->value(), step.penSpeed);

        const std::shared_ptr<TabletDevice_Win32> engineDevice = window->appLogic().currentDevice();
        ASSERT_TRUE(engineDevice);
        EXPECT_EQ(engineDevice->info().path, step.enginePath);
        EXPECT_EQ(engineModel(window->appLogic(), QString::fromLatin1(step.model)), QString::fromLatin1(step.model));
        // The tablet's own key reaches the engine's worker.
        const std::size_t before = keys.count();
        ASSERT_TRUE(window.bus->feedReport(step.enginePath, keyPressReport(step.key)));
        bool keyReached = false;
        for (std::size_t seen = before; !keyReached && keys.waitFor(seen + 1); ++seen) {
            const auto wrapper = keys.at(seen).value<TabletComponentPacketWrapper>();
            keyReached = wrapper.key.key == step.key && wrapper.key.pressed;
        }
        EXPECT_TRUE(keyReached);
    }
}

TEST_F(MainWindowTest, AReopenThatLosesEveryTabletGivesWayToTheNoDeviceDialogAndOneThatFindsATabletBringsTheWindowBack)
{
    enum Shown { Tray, Window, Dialog };
    const struct {
        const char *what;
        bool tabletBefore;
        bool tabletAfter;
        Shown before;
        Shown after;
    } cases[] = {
        {"window up, tablet gone", true, false, Window, Dialog},
        {"in the tray, tablet gone", true, false, Tray, Dialog},
        {"in the tray, tablet found again", true, true, Tray, Tray},
        {"window up, tablet found again", true, true, Window, Window},
        {"in the tray, still no tablet", false, false, Tray, Tray},
        {"the dialog up, still no tablet", false, false, Dialog, Dialog},
        {"the dialog up, a tablet found", false, true, Dialog, Window},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        std::vector<SimulatedHidDevice> tablets;
        if (entry.tabletBefore)
            tablets.push_back(simulatedTablet(kPenSixPath, kPenSix));
        TestWindow window(tablets);
        window->setVisible(entry.before == Window);
        window->notDetectedDialog()->setVisible(entry.before == Dialog);
        if (entry.tabletBefore && !entry.tabletAfter)
            window.bus->removeDevice(kPenSixPath);
        if (!entry.tabletBefore && entry.tabletAfter)
            window.bus->addDevice(simulatedTablet(kPenSixPath, kPenSix));

        window->reopenDevices();

        EXPECT_EQ(window.child<QComboBox>("comboDevices")->count(), entry.tabletAfter ? 1 : 0);
        EXPECT_EQ(window->isVisible(), entry.after == Window);
        EXPECT_EQ(window->notDetectedDialog()->isVisible(), entry.after == Dialog);
        window->notDetectedDialog()->hide();
    }
}

TEST_F(MainWindowTest, TheMenusShowOnePageAtATime)
{
    TestWindow window;
    auto *menuMain = window.child<QListWidget>("menuMain");
    auto *menuSettings = window.child<QListWidget>("menuSettings");
    const char *const pages[] = {"penPanel", "hotkeyPanel", "mappingPanel", "settingsPanel"};
    const struct {
        const char *what;
        QListWidget *menu;
        int row;
        int shownPage;
    } steps[] = {
        {"settings", menuSettings, 0, 3},
        {"mapping", menuMain, 2, 2},
        {"express keys", menuMain, 1, 1},
        {"settings again", menuSettings, 0, 3},
        {"pen", menuMain, 0, 0},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        step.menu->setCurrentRow(step.row);
        emit step.menu->itemClicked(step.menu->item(step.row));
        for (int page = 0; page < 4; ++page)
            EXPECT_EQ(!window.child<QWidget>(pages[page])->isHidden(), page == step.shownPage) << pages[page];
        QListWidget *other = step.menu == menuMain ? menuSettings : menuMain;
        EXPECT_TRUE(other->selectedItems().isEmpty());
    }
}

TEST_F(MainWindowTest, TheApplicationCombosFollowEachOtherAndTheirLastEntryOpensTheDialog)
{
    AppProfileList profiles;
    profiles.append(profile("Krita"));
    setAppProfiles(profiles);
    TestWindow window({simulatedTablet(kPenSixPath, kPenSix)});
    QComboBox *pen = window.child<VPenPanel>("penPanel")->applicationCombo();
    QComboBox *hotkey = window.child<VHotkeyPanel>("hotkeyPanel")->applicationCombo();
    ASSERT_EQ(pen->count(), 3);

    pen->setCurrentIndex(1);
    EXPECT_EQ(hotkey->currentIndex(), 1);
    hotkey->setCurrentIndex(0);
    EXPECT_EQ(pen->currentIndex(), 0);

    const struct {
        const char *what;
        QComboBox *combo;
        int result;
        int expectedCount;
    } cases[] = {
        {"accepted from the pen page", pen, QDialog::Accepted, 4},
        {"cancelled from the express-key page", hotkey, QDialog::Rejected, 4},
        {"accepted from the express-key page", hotkey, QDialog::Accepted, 6},
    };
    int opened = 0;
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        window->setApplicationDialog([&](QWidget *parent) {
            ++opened;
            EXPECT_EQ(parent, window.window.get());
            AppProfileList more = appProfiles();
            more.append(profile("GIMP"));
            setAppProfiles(more);
            return entry.result;
        });
        const int last = entry.combo->count() - 1;
        entry.combo->setCurrentIndex(last);
        emit entry.combo->activated(last);
        EXPECT_EQ(pen->count(), entry.expectedCount);
        EXPECT_EQ(hotkey->count(), entry.expectedCount);
        EXPECT_EQ(pen->currentIndex(), 0);
        EXPECT_EQ(hotkey->currentIndex(), 0);
    }
    EXPECT_EQ(opened, 3);
    emit pen->activated(1);
    EXPECT_EQ(opened, 3) << "only the last entry opens the dialog";
}

TEST_F(MainWindowTest, ByDefaultTheLastEntryOpensTheApplicationPickerOnTheRunningPrograms)
{
    ProcessEntry krita;
    krita.name = QStringLiteral("krita");
    krita.path = QStringLiteral("C:/Apps/krita.exe");
    TestWindow window({simulatedTablet(kPenSixPath, kPenSix)}, false, [krita] { return std::vector<ProcessEntry>{krita}; });
    QComboBox *hotkey = window.child<VHotkeyPanel>("hotkeyPanel")->applicationCombo();
    QStringList offered;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(dialog);
        EXPECT_STREQ(dialog->metaObject()->className(), "VAppSelectDlg");
        EXPECT_EQ(dialog->parentWidget(), window.window.get());
        auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("asdTableProcess"));
        for (int row = 0; table && row < table->rowCount(); ++row)
            offered << table->item(row, 0)->text();
        table->setCurrentCell(0, 0);
        dialog->findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
    });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    giveUp.start(10000);
    const int last = hotkey->count() - 1;
    hotkey->setCurrentIndex(last);
    emit hotkey->activated(last);
    EXPECT_EQ(offered, QStringList{QStringLiteral("krita")});
    ASSERT_EQ(appProfiles().size(), 1);
    EXPECT_EQ(appProfiles().at(0).path, krita.path);
    EXPECT_EQ(hotkey->count(), 3) << "the pages list the new profile";
}

TEST_F(MainWindowTest, TheEnginesDialSwitchReachesTheExpressKeyPage)
{
    TestWindow window;
    auto configure = std::make_shared<TabletConfigure>();
    DialConfigure dial;
    dial.pairs = {ActionPair(std::make_shared<TabletKeyboardAction>(QString(), QStringLiteral("["), 0), nullptr),
                  ActionPair(std::make_shared<TabletKeyboardAction>(QString(), QStringLiteral("]"), 0), nullptr)};
    configure->hotkey.dials[1] = dial;
    setCurrentConfigure(configure);
    emit window->appLogic().switchDialAction(1);
    EXPECT_EQ(configure->hotkey.dials.at(1).index, 0) << "queued for the window's thread";
    QApplication::processEvents();
    EXPECT_EQ(configure->hotkey.dials.at(1).index, 1);
}

TEST_F(MainWindowTest, ClosingHidesTheWindowUntilExitEndsTheEventLoopAndTheEnginesWorker)
{
    std::atomic<bool> workerBusy{false};
    std::atomic<bool> exitChosen{false};
    std::atomic<bool> workerEnded{false};
    TestWindow window({simulatedTablet(kPenSixPath, kPenSix)});
    // The worker is still busy with a packet a while after Exit was chosen.
    QObject::connect(
            &window->appLogic(), &AppLogic::componentDataChanged, &window->appLogic(),
            [&](const QVariant &) {
                thread_local const ThreadEndNotice notice(workerEnded);
                workerBusy = true;
                waitUntil([&] { return exitChosen.load(); }, 10s);
                std::this_thread::sleep_for(200ms);
            },
            Qt::DirectConnection);
    window->show();
    EXPECT_FALSE(window->close());
    EXPECT_FALSE(window->isVisible());

    window.child<QAction>("actionShowWindow")->trigger();
    EXPECT_TRUE(window->isVisible());

    QTimer exitFromTray;
    exitFromTray.setSingleShot(true);
    QObject::connect(&exitFromTray, &QTimer::timeout, [&] { exitChosen = true; });
    QObject::connect(&exitFromTray, &QTimer::timeout, window.child<QAction>("actionExit"), &QAction::trigger);
    exitFromTray.start(0);
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    giveUp.start(10000);
    window->appLogic().pushPacket(std::make_shared<TabletKeyPacket>(1, 1, 0));
    ASSERT_TRUE(waitUntil([&] { return workerBusy.load(); }));
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(workerEnded) << "the engine's worker thread still ran when the event loop ended";
}

TEST_F(MainWindowTest, OnlyTheProgramsOwnMessageBringsTheWindowUpOrWithoutATabletTheNoDeviceDialog)
{
    const struct {
        QByteArray message;
        bool tablet;
        bool windowShown;
        bool dialogShown;
    } cases[] = {
        {"Zelvo Tablet Driver", true, true, false},
        {"Zelvo Tablet Driver", false, false, true},
        {"Zelvo Tablet Driver ", true, false, false},
        {"zelvo tablet driver", false, false, false},
        {"", true, false, false},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.message.constData());
        SCOPED_TRACE(entry.tablet ? "a tablet" : "no tablet");
        std::vector<SimulatedHidDevice> tablets;
        if (entry.tablet)
            tablets.push_back(simulatedTablet(kPenSixPath, kPenSix));
        TestWindow window(tablets);
        window->slotReceivedMessage(7, entry.message);
        EXPECT_EQ(window->isVisible(), entry.windowShown);
        EXPECT_EQ(window->notDetectedDialog()->isVisible(), entry.dialogShown);
        window->notDetectedDialog()->hide();
    }
}

TEST_F(MainWindowTest, APasteRequestFillsTheClipboardAndTypesCtrlVOnTheVirtualDevice)
{
    const struct {
        bool withKeyboard;
        std::size_t reports;
    } cases[] = {{true, 2}, {false, 0}};
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.withKeyboard ? "with the keyboard driver" : "without it");
        TestWindow window({}, entry.withKeyboard);
        const QString text = entry.withKeyboard ? QStringLiteral("first") : QStringLiteral("second");
        emit window->appLogic().setClipboardAndPaste(text);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::clipboard()->text() == text; }, 2000));
        if (!entry.withKeyboard)
            continue;
        const std::vector<SimulatedOutputReport> written = window.bus->writtenReports(kVirtualDevicePath);
        ASSERT_EQ(written.size(), entry.reports);
        const std::vector<std::uint8_t> press = writtenBytes(written, 0);
        const std::vector<std::uint8_t> release = writtenBytes(written, 1);
        EXPECT_EQ(press[3], 0x01) << "Ctrl";
        EXPECT_EQ(press[5], 0x19) << "V";
        EXPECT_EQ(release[3], 0x00);
        EXPECT_EQ(release[5], 0x00);
    }
}

TEST_F(MainWindowTest, AChangeOfLanguageTranslatesTheMenusAndTheTray)
{
    TestWindow window;
    auto *menuMain = window.child<QListWidget>("menuMain");
    auto *menuSettings = window.child<QListWidget>("menuSettings");
    auto *tray = window.child<QSystemTrayIcon>("");
    const struct {
        int language;
        QStringList mainMenu;
        QString settings;
        QString show;
        QString exit;
        QString tip;
    } cases[] = {
        {4, {QStringLiteral("Stift"), QStringLiteral("Express-Tasten"), QStringLiteral("Zuordnung")},
         QStringLiteral("Einstellungen"), QStringLiteral("Fenster anzeigen(&S)"),
         QStringLiteral("Beenden(&X)"), QStringLiteral("Tablett-Treiber")},
        {0, {QStringLiteral("Pen"), QStringLiteral("Hot Key"), QStringLiteral("Mapping")},
         QStringLiteral("Settings"), QStringLiteral("Show Window(&S)"), QStringLiteral("Exit(&X)"),
         QStringLiteral("Tablet Driver")},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.language);
        ASSERT_TRUE(TabletLanguage::instance().setLanguage(entry.language));
        EXPECT_EQ(menuTexts(menuMain), entry.mainMenu);
        EXPECT_EQ(menuTexts(menuSettings), QStringList{entry.settings});
        EXPECT_EQ(window.child<QAction>("actionShowWindow")->text(), entry.show);
        EXPECT_EQ(window.child<QAction>("actionExit")->text(), entry.exit);
        ASSERT_TRUE(tray);
        EXPECT_EQ(tray->toolTip(), entry.tip);
    }
}

TEST_F(MainWindowTest, APageChangeReachesTheEngineAsACopyThatSharesNoAction)
{
    TestWindow window;
    auto configure = std::make_shared<TabletConfigure>();
    configure->model = QLatin1String(kPenSix);
    configure->pen.step = 3;
    configure->hotkey.keys[1] = std::make_shared<TabletKeyboardAction>(
            QStringLiteral("Undo"), QStringLiteral("Ctrl+Z"), 0);
    setCurrentConfigure(configure);

    UIConfigure::applyConfigureFromPanel();

    const TabletConfigurePtr engine = engineConfigure(window->appLogic());
    ASSERT_TRUE(engine);
    EXPECT_NE(engine, configure);
    EXPECT_EQ(engine->pen.step, 3);
    ASSERT_TRUE(engine->hotkey.keys.count(1));
    EXPECT_NE(engine->hotkey.keys.at(1), configure->hotkey.keys.at(1));
    EXPECT_EQ(engine->hotkey.keys.at(1)->tip, QStringLiteral("Undo"));

    configure->pen.step = 4;
    window->applyConfigureFromPanel();
    const TabletConfigurePtr second = engineConfigure(window->appLogic(), engine);
    ASSERT_TRUE(second);
    EXPECT_NE(second, configure);
    EXPECT_EQ(second->pen.step, 4);
}
