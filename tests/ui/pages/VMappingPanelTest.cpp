#include "ui/pages/VMappingPanel.h"

#include "app/MainWindow.h"
#include "config/configure/CommonSettings.h"
#include "config/configure/ConfigureStore.h"
#include "config/language/TabletLanguage.h"
#include "config/platform/DataFolders.h"
#include "config/support/IsolatedDataLocation.h"
#include "engine/device/TabletDevice_Win32.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/output/PointerDriver.h"
#include "engine/output/VirtualHidReportSink.h"
#include "engine/support/SimulatedTablet.h"
#include "engine/support/SimulatedVirtualDevice.h"
#include "support/QtPrinters.h"
#include "ui/GeometryPrinters.h"
#include "ui/ScriptedDisplays.h"
#include "ui/dialogs/calibration/VScreenCalibrateDlg.h"
#include "ui/dialogs/display/VScreenDetectDlg.h"
#include "ui/dialogs/messages/VTipMsgboxDlg.h"
#include "ui/dialogs/options/VMappingOptionDlg.h"
#include "ui/widgets/VRichItem.h"
#include "ui/widgets/VUnitEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <thread>

namespace {

using namespace std::chrono_literals;

const char kTabletPath[] = "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&1111&0&0000";
const char kPenDisplayPath[] = "\\\\?\\hid#vid_5a4c&pid_1100&mi_02#8&3333&0&0000";
constexpr int kGerman = 4;

const std::vector<ScriptedMonitor> kOneScreen = {{QRect(0, 0, 1920, 1080), "GSM5B7F"}};
const std::vector<ScriptedMonitor> kTwoScreens = {{QRect(0, 0, 1920, 1080), "GSM5B7F"},
                                                  {QRect(1920, 0, 1920, 1080), "ZLV1601X"}};
const std::vector<ScriptedMonitor> kScreenAndPenDisplay = {{QRect(0, 0, 1920, 1080), "GSM5B7F"},
                                                          {QRect(1920, 0, 1920, 1080), "ZLV1601X", true}};
const std::vector<ScriptedMonitor> kThreeScreens = {{QRect(0, 0, 1920, 1080), "GSM5B7F"},
                                                    {QRect(1920, 0, 1920, 1080), "ZLV1601X"},
                                                    {QRect(3840, 0, 1280, 1024), "DEL4071"}};

class OneActiveSession : public IPointerSystemState
{
public:
    bool mouseButtonsSwapped() const override { return false; }
    std::optional<std::vector<SessionState>> sessions() const override
    {
        return std::vector<SessionState>{{1, true}};
    }
    std::optional<std::uint32_t> ownSessionId() const override { return 1u; }
};

// The settings window on scripted displays and a simulated tablet (a QZ-Pen 6, maxima
// 30480 x 20320) or pen display, whose pointer reports reach the simulated virtual device.
struct MappingWindow
{
    explicit MappingWindow(const std::vector<ScriptedMonitor> &monitors, bool penDisplay = false)
        : displays(scriptedMonitors(monitors)), bus(std::make_shared<SimulatedHidBus>())
    {
        bus->addDevice(penDisplay ? simulatedTablet(kPenDisplayPath, "QZ-Canvas 16", {0x1100})
                                  : simulatedTablet(kTabletPath, "QZ-Pen 6"));
        bus->addDevice(simulatedVirtualDevice());
        EnginePlatform platform;
        platform.hid = bus;
        platform.displays = &displays;
        platform.drivers = std::make_unique<DriverInterfaceSet>(
                std::make_shared<PointerDriver>(std::make_shared<VirtualHidReportSink>(bus, kTestVendorId),
                                                std::make_shared<OneActiveSession>()),
                nullptr);
        window = std::make_unique<MainWindow>(std::move(platform));
        page = window->findChild<VMappingPanel *>(QStringLiteral("mappingPanel"));
        devicePath = penDisplay ? kPenDisplayPath : kTabletPath;
    }

    template <typename Child>
    Child *child(const char *name) const
    {
        return page->findChild<Child *>(QLatin1String(name));
    }

    void setField(const char *name, int value) const { child<VUnitEdit>(name)->setValue(value); }
    QComboBox *screens() const { return child<QComboBox>("comboScreens"); }

    // Where a touching pen at (x, y) lands in the next pen report of the virtual device.
    QPoint landing(std::uint16_t x, std::uint16_t y) const
    {
        const std::size_t before = bus->writtenReports(kVirtualDevicePath).size();
        bus->feedReport(devicePath, {9, 'A', 0xA1, std::uint8_t(x), std::uint8_t(x >> 8), std::uint8_t(y),
                                     std::uint8_t(y >> 8), 0x00, 0x08, 0, 0, 0, 0});
        for (int i = 0; i < 500; ++i) {
            const std::vector<SimulatedOutputReport> reports = bus->writtenReports(kVirtualDevicePath);
            if (reports.size() > before) {
                const std::vector<std::uint8_t> &report = reports.back().bytes;
                return QPoint(report.at(4) | report.at(5) << 8, report.at(6) | report.at(7) << 8);
            }
            std::this_thread::sleep_for(10ms);
        }
        return QPoint(-1, -1);
    }

    ScriptedDisplays displays;
    std::shared_ptr<SimulatedHidBus> bus;
    std::unique_ptr<MainWindow> window;
    VMappingPanel *page = nullptr;
    std::string devicePath;
};

class MappingPage : public testing::Test
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
        TabletLanguage::instance().setLanguage(0);
        QApplication::processEvents();
        setCurrentConfigure(std::make_shared<TabletConfigure>());
    }
};

QStringList itemTexts(const QComboBox *combo)
{
    QStringList texts;
    for (int item = 0; item < combo->count(); ++item)
        texts << combo->itemText(item);
    return texts;
}

// Runs `act` on the next modal dialog of type Dialog once it is up.
template <typename Dialog>
void onNextDialog(std::function<void(Dialog &)> act)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        act(*dialog);
    });
}

// From here on the page hands the engine nothing: what the tablet found again brought stays in use.
void expectNothingHandedToTheEngine()
{
    UIConfigure::setApplyHandler([] { ADD_FAILURE() << "the dropped answer reached the engine"; });
}

QRectF factorsOf(const MappingConfigure &mapping)
{
    return QRectF(mapping.kx, mapping.ky, mapping.kcx, mapping.kcy);
}

std::string codeText(const MappingConfigure &mapping)
{
    return std::string(mapping.code.begin(), mapping.code.end());
}

} // namespace

TEST_F(MappingPage, TheScreenListNamesEachDisplayAndAllScreensFromTwoDisplaysOn)
{
    const struct
    {
        std::vector<ScriptedMonitor> monitors;
        QStringList english;
        QStringList german;
    } rows[] = {
        {kOneScreen, {"Screen1 [X:0, Y:0,  1920 x 1080]"}, {"Bildschirm1 [X:0, Y:0,  1920 x 1080]"}},
        {kTwoScreens,
         {"Screen1 [X:0, Y:0,  1920 x 1080]", "Screen2 [X:1920, Y:0,  1920 x 1080]", "All [X:0, Y:0,  3840 x 1080]"},
         {"Bildschirm1 [X:0, Y:0,  1920 x 1080]", "Bildschirm2 [X:1920, Y:0,  1920 x 1080]",
          "Alle [X:0, Y:0,  3840 x 1080]"}},
    };
    for (const auto &row : rows) {
        MappingWindow window(row.monitors);
        EXPECT_EQ(itemTexts(window.screens()), row.english);
        TabletLanguage::instance().setLanguage(kGerman);
        EXPECT_EQ(itemTexts(window.screens()), row.german);
        TabletLanguage::instance().setLanguage(0);
        EXPECT_EQ(itemTexts(window.screens()), row.english);
    }
}

TEST_F(MappingPage, TheScreenSwitchStepsThroughTheSingleDisplaysOnly)
{
    const struct
    {
        std::vector<ScriptedMonitor> monitors;
        std::vector<int> steps;
    } rows[] = {
        {kOneScreen, {0, 0}},
        {kTwoScreens, {1, 0, 1}},
        {kThreeScreens, {1, 2, 0, 1}},
    };
    for (const auto &row : rows) {
        MappingWindow window(row.monitors);
        ASSERT_EQ(window.screens()->currentIndex(), 0);
        for (int expected : row.steps) {
            emit window.window->appLogic().switchScreen();
            QApplication::processEvents();
            EXPECT_EQ(window.screens()->currentIndex(), expected) << row.monitors.size() << " displays";
            EXPECT_EQ(currentConfigure()->mapping.screenIndex, std::uint32_t(expected));
        }
    }
}

TEST_F(MappingPage, TheChosenScreenAndBothAreasAreWrittenIntoTheMapping)
{
    MappingWindow window(kTwoScreens);
    const MappingConfigure &mapping = currentConfigure()->mapping;

    window.screens()->setCurrentIndex(1);
    EXPECT_EQ(mapping.screenIndex, 1u);
    EXPECT_EQ(mapping.absRect, QRect(1920, 0, 1920, 1080));
    EXPECT_EQ(mapping.part, QRect(0, 0, 1920, 1080));
    EXPECT_EQ(mapping.desktopSize, QSize(3840, 1080));
    EXPECT_EQ(mapping.dpiRect, QRect(1280, 0, 1280, 720));
    EXPECT_EQ(mapping.dpiDesktopRect, QRect(0, 0, 2560, 720));
    EXPECT_EQ(mapping.flag, 0u);
    EXPECT_EQ(codeText(mapping), "ZLV1601");

    window.screens()->setCurrentIndex(2);
    EXPECT_EQ(mapping.screenIndex, 2u);
    EXPECT_EQ(mapping.absRect, QRect(0, 0, 3840, 1080));
    EXPECT_EQ(mapping.part, QRect(0, 0, 3840, 1080));
    EXPECT_EQ(mapping.dpiRect, QRect(0, 0, 2560, 720));
    EXPECT_EQ(codeText(mapping), "ALL5A4C");

    window.child<QComboBox>("comboRotation")->setCurrentIndex(2);
    EXPECT_EQ(mapping.rotation, 2);

    // Each field keeps its partner inside the screen or the tablet.
    window.screens()->setCurrentIndex(0);
    const struct
    {
        const char *field;
        int value;
        const char *partner;
        int kept;
    } steps[] = {
        {"screenX", 1000, "screenW", 920}, {"screenW", 1500, "screenX", 420}, {"screenY", 80, "screenH", 1000},
        {"screenH", 1050, "screenY", 30},  {"tabletX", 30, "tabletW", 70},    {"tabletW", 90, "tabletX", 10},
        {"tabletY", 60, "tabletH", 40},    {"tabletH", 75, "tabletY", 25},
    };
    for (const auto &step : steps) {
        window.setField(step.field, step.value);
        EXPECT_EQ(window.child<VUnitEdit>(step.partner)->value(), step.kept) << step.field;
    }
    EXPECT_EQ(mapping.part, QRect(420, 30, 1500, 1050));
    EXPECT_EQ(mapping.workArea, QRect(10, 25, 90, 75));
}

TEST_F(MappingPage, TheStrokeLandsWhereTheChosenScreenAndAreasSay)
{
    MappingWindow window(kTwoScreens);
    const struct
    {
        const char *what;
        std::function<void(const MappingWindow &)> choose;
        QPoint pen;
        QPoint landing;
    } rows[] = {
        {"the first display", [](const MappingWindow &w) { w.screens()->setCurrentIndex(0); }, {15240, 10160},
         {8191, 16383}},
        {"the second display", [](const MappingWindow &w) { w.screens()->setCurrentIndex(1); }, {15240, 10160},
         {24575, 16383}},
        {"all displays", [](const MappingWindow &w) { w.screens()->setCurrentIndex(2); }, {15240, 10160},
         {16383, 16383}},
        {"the lower right quarter of the second display",
         [](const MappingWindow &w) {
             w.screens()->setCurrentIndex(1);
             w.setField("screenX", 960);
             w.setField("screenY", 540);
         },
         {15240, 10160}, {28671, 24575}},
        {"the left half of the tablet on the first display",
         [](const MappingWindow &w) {
             w.screens()->setCurrentIndex(0);
             w.setField("tabletW", 50);
         },
         {7620, 10160}, {8191, 16383}},
        {"a quarter turn",
         [](const MappingWindow &w) { w.child<QComboBox>("comboRotation")->setCurrentIndex(1); }, {7620, 5080},
         {12287, 8191}},
        {"the aspect ratio of the display",
         [](const MappingWindow &w) {
             w.child<QComboBox>("comboRotation")->setCurrentIndex(0);
             w.child<QPushButton>("btnAspectRatio")->click();
         },
         {15240, 5893}, {8191, 8191}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        row.choose(window);
        const QPoint landing = window.landing(std::uint16_t(row.pen.x()), std::uint16_t(row.pen.y()));
        EXPECT_NEAR(landing.x(), row.landing.x(), 2);
        EXPECT_NEAR(landing.y(), row.landing.y(), 2);
    }
    EXPECT_EQ(currentConfigure()->mapping.workArea, QRect(0, 8, 100, 84));
}

TEST_F(MappingPage, APenDisplayMapsWholeScreensAndOffersCalibration)
{
    MappingWindow window(kTwoScreens, true);
    window.screens()->setCurrentIndex(1);
    for (const char *field : {"screenX", "screenY", "screenW", "screenH", "tabletX", "tabletY", "tabletW", "tabletH"})
        EXPECT_FALSE(window.child<VUnitEdit>(field)->isEnabled()) << field;
    for (const char *button : {"btnFullScreen", "btnFullTablet", "btnAspectRatio"})
        EXPECT_TRUE(window.child<QPushButton>(button)->isHidden()) << button;
    EXPECT_FALSE(window.child<QPushButton>("btnCalibrate")->isHidden());
    EXPECT_FALSE(window.child<QPushButton>("btnCalibrate")->isEnabled()) << "the second display is no pen display";

    MappingWindow tablet(kOneScreen);
    EXPECT_TRUE(tablet.child<VUnitEdit>("tabletX")->isEnabled());
    EXPECT_TRUE(tablet.child<QPushButton>("btnCalibrate")->isHidden());
}

// A display change refills the screen list and shows the mapping the configuration holds; the
// engine gets it once, however the change arrives.
TEST_F(MappingPage, ADisplayChangeKeepsTheUsersMappingAndRefreshesThePageOnce)
{
    const struct
    {
        const char *what;
        std::function<void(MappingWindow &)> change;
    } rows[] = {
        {"Windows reports it", [](MappingWindow &w) { w.window->displayChanged(); }},
        {"the mapped display turned",
         [](MappingWindow &w) {
             w.displays.monitors[1].rotation = 1;
             w.window->displayChanged();
         }},
        {"the displays settle first",
         [](MappingWindow &w) {
             w.displays.slotVirtualGeometryChanged(QRect());
             w.window->displayChanged();
             QApplication::processEvents();
             EXPECT_EQ(w.displays.isSettling(), true);
             w.displays.slotTimeout();
         }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        MappingWindow window(kTwoScreens);
        window.screens()->setCurrentIndex(1);
        window.setField("screenX", 100);
        window.setField("screenW", 800);
        window.setField("tabletX", 10);
        window.setField("tabletW", 50);
        int applied = 0;
        UIConfigure::setApplyHandler([&] {
            ++applied;
            window.window->applyConfigureFromPanel();
        });

        row.change(window);
        QApplication::processEvents();

        const MappingConfigure &mapping = currentConfigure()->mapping;
        EXPECT_EQ(applied, 1);
        EXPECT_EQ(window.screens()->currentIndex(), 1);
        EXPECT_EQ(mapping.screenIndex, 1u);
        EXPECT_EQ(mapping.part, QRect(100, 0, 800, 1080));
        EXPECT_EQ(mapping.workArea, QRect(10, 0, 50, 100));
        EXPECT_EQ(window.child<VUnitEdit>("screenX")->value(), 100);
        EXPECT_EQ(window.child<VUnitEdit>("tabletW")->value(), 50);
        EXPECT_EQ(mapping.rotation, window.displays.monitors[1].rotation);
        UIConfigure::setApplyHandler([&] { window.window->applyConfigureFromPanel(); });
    }
}

TEST_F(MappingPage, AFollowedDisplayRotationIsTheOnlyChangeWrittenToTheFile)
{
    MappingWindow window(kTwoScreens);
    window.screens()->setCurrentIndex(1);
    ASSERT_TRUE(saveConfigure());
    window.setField("screenX", 100);
    // The display turns while More Options, which does not edit the rotation, is open; the page
    // takes the change from a timer that runs before the OK.
    onNextDialog<VMappingOptionDlg>([&window](VMappingOptionDlg &dialog) {
        window.displays.monitors[1].rotation = 3;
        window.window->displayChanged();
        QTimer::singleShot(0, &dialog, [&dialog] {
            ASSERT_EQ(currentConfigure()->mapping.rotation, 3) << "followed while the dialog is open";
            dialog.findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
        });
    });
    window.child<QPushButton>("btnMoreOptions")->click();

    const TabletConfigurePtr stored = loadConfigure(QStringLiteral("QZ-Pen 6"), false, ConfigureMonitorList());
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->mapping.rotation, 3);
    EXPECT_EQ(stored->mapping.part, QRect(0, 0, 1920, 1080)) << "the unsaved part stays unsaved";
    EXPECT_EQ(currentConfigure()->mapping.part, QRect(100, 0, 1820, 1080));
    EXPECT_EQ(currentConfigure()->mapping.rotation, 3);
    ASSERT_NE(window.landing(15240, 10160), QPoint(-1, -1));
    EXPECT_EQ(window.window->appLogic().activeConfigure()->mapping.rotation, 3) << "in the engine";

    CommonConfigure common = currentConfigure()->common;
    currentConfigure()->common.orientation = false;
    window.displays.monitors[1].rotation = 0;
    window.window->displayChanged();
    QApplication::processEvents();
    EXPECT_EQ(currentConfigure()->mapping.rotation, 3) << "with the setting off the mapping stays";
    currentConfigure()->common = common;
}

// A folder where the model's file goes stands for a disk that takes no file there.
TEST_F(MappingPage, ASaveOrAFollowedRotationThatCannotBeWrittenIsSaidSo)
{
    MappingWindow window(kTwoScreens);
    window.screens()->setCurrentIndex(1);
    const QString modelFile = userConfigPath(QStringLiteral("QZ-Pen 6"));
    QFile::remove(modelFile);
    ASSERT_TRUE(QDir().mkpath(modelFile));
    QSignalSpy tips(VTipMsgboxDlg::instance(), &VTipMsgboxDlg::showMessage);

    window.child<QPushButton>("btnOK")->click();
    window.displays.monitors[1].rotation = 3;
    window.window->displayChanged();
    QApplication::processEvents();

    ASSERT_EQ(tips.count(), 2);
    EXPECT_EQ(tips.at(0).at(0).toString(), QStringLiteral("Configuration not saved")) << "Save";
    EXPECT_EQ(tips.at(1).at(0).toString(), QStringLiteral("Configuration not saved")) << "the followed rotation";
    EXPECT_EQ(currentConfigure()->mapping.rotation, 3);
}

TEST_F(MappingPage, CalibrateCoversThePenDisplayAndStoresTheFactorsTheFileKeeps)
{
    MappingWindow window(kScreenAndPenDisplay, true);
    window.screens()->setCurrentIndex(1);
    MappingConfigure &mapping = currentConfigure()->mapping;
    mapping.kx = mapping.ky = mapping.kcx = mapping.kcy = 0.8;
    int applied = 0;
    UIConfigure::setApplyHandler([&] {
        ++applied;
        window.window->applyConfigureFromPanel();
    });
    ASSERT_TRUE(window.child<QPushButton>("btnCalibrate")->isEnabled());
    window.child<QPushButton>("btnCalibrate")->click();

    VScreenCalibrateDlg *overlay = window.page->calibrationDialog();
    ASSERT_TRUE(overlay);
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_EQ(overlay->geometry(), logicalRect(QRect(1920, 0, 1920, 1080)));
    const TabletDeviceInfo device = window.window->appLogic().currentDevice()->info();
    EXPECT_EQ(overlay->screen().maxX, int(device.maximumX));
    EXPECT_EQ(overlay->screen().rotation, 0);
    EXPECT_EQ(applied, 1) << "the touches are measured with neutral factors";
    EXPECT_EQ(factorsOf(mapping), QRectF(1.0, 1.0, 1.0, 1.0));
    overlay->hide();

    QSignalSpy tips(VTipMsgboxDlg::instance(), &VTipMsgboxDlg::showMessage);
    const struct
    {
        double kx, ky, kcx, kcy;
        QRectF stored;
        int tips;
    } rows[] = {
        {1.05, 0.95, 1.0, 0.9, QRectF(1.05, 0.95, 1.0, 0.9), 0},
        {0.002, 0.95, 1.0, 0.9, QRectF(1.0, 1.0, 1.0, 1.0), 1},
        {1.05, std::nan(""), 1.0, 0.9, QRectF(1.0, 1.0, 1.0, 1.0), 1},
        {1.05, 0.95, 0.0, 0.9, QRectF(1.0, 1.0, 1.0, 1.0), 1},
    };
    for (const auto &row : rows) {
        tips.clear();
        applied = 0;
        emit overlay->calibrateFinish(row.kx, row.ky, row.kcx, row.kcy);
        QApplication::processEvents();
        EXPECT_EQ(factorsOf(mapping), row.stored) << row.kx << " " << row.ky << " " << row.kcx;
        EXPECT_EQ(tips.size(), row.tips);
        EXPECT_EQ(applied, 1);
    }

    // Saved and read back, the model's file keeps five decimals of each factor.
    emit overlay->calibrateFinish(1.0512345, 0.9487654, 1.0000049, 0.8999951);
    QApplication::processEvents();
    window.child<QPushButton>("btnOK")->click();
    const TabletConfigurePtr stored = loadConfigure(QStringLiteral("QZ-Canvas 16"), false, ConfigureMonitorList());
    ASSERT_TRUE(stored);
    EXPECT_EQ(factorsOf(stored->mapping), QRectF(1.05123, 0.94877, 1.0, 0.9));
    UIConfigure::setApplyHandler([&] { window.window->applyConfigureFromPanel(); });
}

// The tablet found again while a dialog of the page is open (after a resume, or with another
// tablet plugged in) comes with a configuration of its own; the dialog's answer was for the one
// it replaced.
TEST_F(MappingPage, ADialogsAnswerIsDroppedWhenTheConfigurationWasReplacedMeanwhile)
{
    const struct
    {
        const char *what;
        std::function<void(MappingWindow &)> answerAfterReplacement;
    } rows[] = {
        {"the calibration",
         [](MappingWindow &w) {
             w.child<QPushButton>("btnCalibrate")->click();
             w.window->refreshDeviceList();
             expectNothingHandedToTheEngine();
             emit w.page->calibrationDialog()->calibrateFinish(1.05, 0.95, 1.0, 0.9);
             QApplication::processEvents();
             w.page->calibrationDialog()->hide();
         }},
        {"More Options",
         [](MappingWindow &w) {
             currentConfigure()->mapping.rotation = 2;
             onNextDialog<VMappingOptionDlg>([&w](VMappingOptionDlg &dialog) {
                 w.window->refreshDeviceList();
                 expectNothingHandedToTheEngine();
                 dialog.findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
             });
             w.child<QPushButton>("btnMoreOptions")->click();
         }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        MappingWindow window(kScreenAndPenDisplay, true);
        window.screens()->setCurrentIndex(1);
        const TabletConfigurePtr opened = currentConfigure();

        row.answerAfterReplacement(window);

        ASSERT_NE(currentConfigure(), opened);
        const MappingConfigure &mapping = currentConfigure()->mapping;
        EXPECT_EQ(factorsOf(mapping), QRectF(1.0, 1.0, 1.0, 1.0));
        EXPECT_EQ(mapping.rotation, 0);
        EXPECT_EQ(window.child<QComboBox>("comboRotation")->currentIndex(), 0);
        UIConfigure::setApplyHandler([&] { window.window->applyConfigureFromPanel(); });
    }
}

// Restore Default brings back the model's default mapping: the primary monitor for a tablet, the
// pen display for a pen display, whole screen and tablet, neutral factors. A pen display is
// mapped at 0 degrees, and the display itself turns back with it, whichever screen the page had
// chosen. Nothing is written to disk.
TEST_F(MappingPage, RestoreDefaultBringsBackTheDefaultMappingAndTurnsThePenDisplayBack)
{
    const struct
    {
        const char *what;
        bool penDisplay;
        int screen;
        int rotation;
        std::vector<std::pair<int, int>> turns;
        int restoredScreen;
    } rows[] = {
        {"the pen display chosen", true, 1, 1, {{1, 0}}, 1},
        {"all screens chosen", true, 2, 3, {{1, 0}}, 1},
        {"the other monitor chosen", true, 0, 2, {{1, 0}}, 1},
        {"a pen display that is not turned", true, 2, 0, {}, 1},
        {"a tablet beside a turned pen display", false, 1, 1, {}, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<ScriptedMonitor> monitors = kScreenAndPenDisplay;
        monitors[1].rotation = row.rotation;
        MappingWindow window(monitors, row.penDisplay);
        window.screens()->setCurrentIndex(row.screen);
        window.child<QComboBox>("comboRotation")->setCurrentIndex(2);
        window.setField("screenX", 100);
        window.setField("screenW", 800);
        window.setField("tabletX", 10);
        window.setField("tabletW", 50);
        MappingConfigure &mapping = currentConfigure()->mapping;
        mapping.kx = mapping.ky = mapping.kcx = mapping.kcy = 0.8;
        window.displays.rotations.clear();

        window.child<QPushButton>("btnRestoreDefault")->click();

        EXPECT_EQ(window.displays.rotations, row.turns);
        EXPECT_EQ(mapping.screenIndex, std::uint32_t(row.restoredScreen));
        EXPECT_EQ(window.screens()->currentIndex(), row.restoredScreen);
        EXPECT_EQ(mapping.part, QRect(0, 0, 1920, 1080));
        EXPECT_EQ(mapping.workArea, QRect(0, 0, 100, 100));
        EXPECT_EQ(factorsOf(mapping), QRectF(1.0, 1.0, 1.0, 1.0));
        EXPECT_EQ(mapping.rotation, 0);
        EXPECT_EQ(window.child<QComboBox>("comboRotation")->currentIndex(), 0);
        for (const auto &[field, value] : {std::pair("screenX", 0), std::pair("screenW", 1920),
                                           std::pair("tabletX", 0), std::pair("tabletW", 100)})
            EXPECT_EQ(window.child<VUnitEdit>(field)->value(), value) << field;
        EXPECT_FALSE(QFile::exists(userConfigPath(currentConfigure()->model)));
    }
}

// Only the user's choice turns a display, and only a pen display that the tablet drives alone;
// every choice is stored and maps the whole tablet.
TEST_F(MappingPage, AChosenRotationIsStoredAndTurnsOnlyTheMappedPenDisplay)
{
    const struct
    {
        const char *what;
        bool penDisplay;
        int screen;
        std::vector<std::pair<int, int>> turns;
    } rows[] = {
        {"a pen display on its own screen", true, 1, {{1, 3}}},
        {"a pen display on the other monitor", true, 0, {}},
        {"a pen display on all screens", true, 2, {}},
        {"a tablet on the pen display's screen", false, 1, {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        MappingWindow window(kScreenAndPenDisplay, row.penDisplay);
        window.screens()->setCurrentIndex(row.screen);
        window.setField("tabletW", 50);
        window.displays.rotations.clear();
        QComboBox *rotation = window.child<QComboBox>("comboRotation");

        rotation->setCurrentIndex(3);
        EXPECT_TRUE(window.displays.rotations.empty()) << "not chosen by the user";
        emit rotation->activated(3);

        EXPECT_EQ(window.displays.rotations, row.turns);
        EXPECT_EQ(currentConfigure()->mapping.rotation, 3);
        EXPECT_EQ(currentConfigure()->mapping.workArea, QRect(0, 0, 100, 100));
    }
}

// A screen that is gone (a monitor removed, or a smaller one in its place) leaves the tablet on
// the whole first screen, and Save keeps that.
TEST_F(MappingPage, AStoredScreenThatNoLongerFitsComesBackAsTheWholeFirstScreen)
{
    const struct
    {
        const char *what;
        std::uint32_t screenIndex;
        QRect part;
    } rows[] = {
        {"the second screen, removed", 1, QRect(0, 0, 2560, 1440)},
        {"all of two screens, one removed", 2, QRect(0, 0, 3840, 1080)},
        {"a part beyond the first screen", 0, QRect(2000, 1100, 500, 300)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const TabletConfigurePtr stored = loadConfigure(QStringLiteral("QZ-Pen 6"), true, ConfigureMonitorList());
        ASSERT_TRUE(stored);
        stored->mapping.screenIndex = row.screenIndex;
        stored->mapping.part = row.part;
        setCurrentConfigure(stored);
        ASSERT_TRUE(saveConfigure());

        MappingWindow window(kOneScreen);
        const MappingConfigure &mapping = currentConfigure()->mapping;
        EXPECT_EQ(window.screens()->currentIndex(), 0);
        EXPECT_EQ(mapping.screenIndex, 0u);
        EXPECT_EQ(mapping.part, QRect(0, 0, 1920, 1080));
        EXPECT_EQ(window.child<VUnitEdit>("screenX")->value(), 0);
        EXPECT_EQ(window.child<VUnitEdit>("screenW")->value(), 1920);

        window.child<QPushButton>("btnOK")->click();
        const TabletConfigurePtr saved = loadConfigure(QStringLiteral("QZ-Pen 6"), false, ConfigureMonitorList());
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->mapping.screenIndex, 0u);
        EXPECT_EQ(saved->mapping.part, QRect(0, 0, 1920, 1080));
    }
}

TEST_F(MappingPage, MoreOptionsIdentifiesTheScreensAndOffersThePenDisplaysPicture)
{
    const struct
    {
        const char *what;
        bool penDisplay;
        int screen;
        std::uint32_t monitorIndex;
        bool colorSupported;
        QRect monitorRect;
    } rows[] = {
        {"tablet", false, 1, 0, false, QRect()},
        {"pen display", true, 1, 1, true, logicalRect(QRect(1920, 0, 1920, 1080))},
        {"pen display on all screens", true, 2, 0, false, QRect()},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        MappingWindow window(kScreenAndPenDisplay, row.penDisplay);
        window.screens()->setCurrentIndex(row.screen);
        currentConfigure()->mapping.rotation = 2;
        MappingOptions shown;
        QStringList numbers;
        onNextDialog<VMappingOptionDlg>([&](VMappingOptionDlg &dialog) {
            shown = dialog.options();
            for (VRichItem *item : dialog.findChildren<VRichItem *>()) {
                if (item->findChild<QLabel *>(QStringLiteral("riLabelTitle"))->text() == QLatin1String("Screen Identify"))
                    emit item->activated(0);
            }
            for (VScreenDetectDlg *number : dialog.screenNumbers())
                numbers << number->numberText();
            dialog.findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
        });
        window.child<QPushButton>("btnMoreOptions")->click();
        EXPECT_EQ(shown.rotation, 2);
        EXPECT_EQ(shown.penDisplay, row.penDisplay);
        EXPECT_EQ(shown.monitorIndex, row.monitorIndex);
        EXPECT_EQ(shown.colorSupported, row.colorSupported);
        EXPECT_EQ(shown.monitorRect, row.monitorRect);
        EXPECT_EQ(shown.calibrationDialog, row.penDisplay ? window.page->calibrationDialog() : nullptr);
        EXPECT_EQ(numbers, (QStringList{"1", "2"}));
        EXPECT_EQ(currentConfigure()->mapping.rotation, 2);
        EXPECT_EQ(window.child<QComboBox>("comboRotation")->currentIndex(), 2);
    }
}
