#include "ui/pages/VPenPanel.h"

#include "config/actions/TabletMiscAction.h"
#include "config/actions/TabletMouseAction.h"
#include "config/configure/ConfigureStore.h"
#include "config/layout/ModelTables.h"
#include "config/packets/TabletPenPacketWrapper.h"
#include "config/platform/DataFolders.h"
#include "config/profiles/AppProfile.h"
#include "config/support/IsolatedDataLocation.h"
#include "support/QtPrinters.h"
#include "ui/dialogs/actions/VActionSelectDlg.h"
#include "ui/dialogs/messages/VTipMsgboxDlg.h"
#include "ui/dialogs/options/VPenOptionDlg.h"
#include "ui/pages/VCurvePanel.h"
#include "ui/widgets/VRichButton.h"
#include "ui/widgets/VRichItem.h"
#include "ui/widgets/VSwitchButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

namespace {

const char kModel[] = "QZ-Pen 6";

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

template <typename Child>
Child *child(QWidget &parent, const char *name)
{
    Child *found = parent.findChild<Child *>(QLatin1String(name));
    EXPECT_TRUE(found) << name;
    return found;
}

QString contentOf(QWidget &row)
{
    return child<QPushButton>(row, "btnContent")->text();
}

AppProfile profile(const char *name, TabletActionPtr upper)
{
    AppProfile entry;
    entry.name = QLatin1String(name);
    entry.path = QStringLiteral("C:/") + entry.name + QStringLiteral(".exe");
    entry.buttons[VPenPanel::kUpperButton] = std::move(upper);
    return entry;
}

class VPenPanelTest : public testing::Test
{
protected:
    void SetUp() override
    {
        IsolatedDataLocation::clear();
        if (!layoutForModel(QLatin1String(kModel)))
            loadModelTables();
        defaults = loadConfigure(QLatin1String(kModel), true, {});
        ASSERT_TRUE(defaults);
        configure = std::make_shared<TabletConfigure>(*defaults);
        setCurrentConfigure(configure);
        UIConfigure::setApplyHandler([this] { ++applied; });
        setAppProfiles({profile("Krita", std::make_shared<TabletMouseAction>("Krita's", TabletMouseAction::MiddleClick))});
        page.fillApplicationCombo();
        page.updateFromConfigure();
        applied = 0;
    }

    void TearDown() override
    {
        UIConfigure::setApplyHandler(nullptr);
        setAppProfiles({});
        setCurrentConfigure(std::make_shared<TabletConfigure>());
    }

    VRichButton *upperRow() { return child<VRichButton>(page, "ppHotkeyUp"); }
    QComboBox *applications() { return page.applicationCombo(); }

    // Binds the upper button on the page to a right click, through the action dialog; `meanwhile`
    // runs while the dialog is open.
    void bindUpperToRightClick(const std::function<void()> &meanwhile = {})
    {
        onNextDialog<VActionSelectDlg>([meanwhile](VActionSelectDlg &dialog) {
            if (meanwhile)
                meanwhile();
            child<QListWidget>(dialog, "asdMenu")->setCurrentRow(1);
            child<QComboBox>(dialog, "comboMouse")->setCurrentIndex(2);
            child<QPushButton>(dialog, "btnOK")->click();
        });
        child<QPushButton>(*upperRow(), "btnContent")->click();
    }

    TabletConfigurePtr defaults;
    TabletConfigurePtr configure;
    VPenPanel page;
    int applied = 0;
};

TabletActionPtr boundTo(const ActionMap &map, std::uint16_t id)
{
    const auto found = map.find(id);
    return found == map.end() ? nullptr : found->second;
}

} // namespace

TEST_F(VPenPanelTest, ButtonsAreBoundInTheProfileOnlyWhileThePenFollowsTheApplications)
{
    const TabletActionPtr kritaUpper = boundTo(appProfiles()[0].buttons, VPenPanel::kUpperButton);
    for (bool followApplications : {false, true}) {
        SCOPED_TRACE(followApplications);
        configure->pen.appHotkeys = followApplications;
        configure->pen.buttons = defaults->pen.buttons;
        setAppProfiles({profile("Krita", kritaUpper)});
        page.fillApplicationCombo();
        page.updateFromConfigure();
        applications()->setCurrentIndex(1);
        EXPECT_EQ(contentOf(*upperRow()), followApplications ? "Middle Click" : "Pen/Eraser");

        applied = 0;
        bindUpperToRightClick();
        EXPECT_EQ(contentOf(*upperRow()), "Right Click");
        EXPECT_EQ(applied, 1);
        const TabletActionPtr inConfigure = boundTo(configure->pen.buttons, VPenPanel::kUpperButton);
        const TabletActionPtr inSnapshot = boundTo(appProfilesSnapshot()->at(0).buttons, VPenPanel::kUpperButton);
        EXPECT_EQ(inConfigure->displayText(), followApplications ? "Pen/Eraser" : "Right Click");
        EXPECT_EQ(inSnapshot->displayText(), followApplications ? "Right Click" : "Middle Click");
        EXPECT_EQ(kritaUpper->displayText(), "Middle Click") << "the engine's old action is not changed";
    }
}

// A tablet plugged in, unplugged or woken up while a dialog is open replaces the configuration
// behind it; the dialog's answer then belongs to nothing the page edits.
TEST_F(VPenPanelTest, ADialogsAnswerIsDroppedWhenWhatItWasOpenedForWasReplacedMeanwhile)
{
    struct Case
    {
        const char *what;
        bool options;
        bool inProfile;
        bool newConfigure;
        bool newProfiles;
    };
    const Case cases[] = {
        {"the action, nothing replaced", false, false, false, false},
        {"the action, the configuration replaced", false, false, true, false},
        {"the action of a profile, the configuration replaced", false, true, true, false},
        {"the action of a profile, the profile list replaced", false, true, false, true},
        {"the options, the configuration replaced", true, false, true, false},
    };
    for (const Case &entry : cases) {
        SCOPED_TRACE(entry.what);
        const TabletActionPtr kritaUpper = std::make_shared<TabletMouseAction>("", TabletMouseAction::MiddleClick);
        // As in the program, only the process-wide pointer holds the configuration.
        configure.reset();
        setCurrentConfigure(std::make_shared<TabletConfigure>(*defaults));
        currentConfigure()->pen.appHotkeys = entry.inProfile;
        setAppProfiles({profile("Krita", kritaUpper)});
        page.fillApplicationCombo();
        page.updateFromConfigure();
        applications()->setCurrentIndex(1);
        TabletConfigurePtr replacement = std::make_shared<TabletConfigure>(*defaults);
        replacement->pen.appHotkeys = entry.inProfile;
        const AppProfile sai =
                profile("Sai", std::make_shared<TabletMouseAction>("", TabletMouseAction::LeftDoubleClick));
        const auto replace = [&] {
            if (entry.newConfigure)
                setCurrentConfigure(std::move(replacement));
            if (entry.newProfiles)
                setAppProfiles({sai});
        };
        applied = 0;

        if (entry.options) {
            onNextDialog<VPenOptionDlg>([&](VPenOptionDlg &dialog) {
                replace();
                for (VRichItem *row : dialog.findChildren<VRichItem *>())
                    QTest::mouseClick(row->findChild<VSwitchButton *>(), Qt::LeftButton);
                child<QPushButton>(dialog, "btnOK")->click();
            });
            child<QPushButton>(page, "btnMoreOptions")->click();
        } else {
            bindUpperToRightClick(replace);
        }

        const bool kept = !entry.newConfigure && !entry.newProfiles;
        const PenConfigure &pen = currentConfigure()->pen;
        const QString profileUpper = entry.newProfiles ? "Left Double Click" : "Middle Click";
        EXPECT_EQ(boundTo(pen.buttons, VPenPanel::kUpperButton)->displayText(),
                  kept && !entry.inProfile ? "Right Click" : "Pen/Eraser");
        EXPECT_EQ(boundTo(appProfiles().at(0).buttons, VPenPanel::kUpperButton)->displayText(),
                  kept && entry.inProfile ? "Right Click" : profileUpper);
        EXPECT_EQ(pen.appHotkeys, entry.inProfile) << "the options stay as they were";
        EXPECT_EQ(applied, kept ? 1 : 0);
        if (!entry.options) {
            EXPECT_EQ(contentOf(*upperRow()), kept ? "Right Click" : entry.inProfile ? profileUpper : "Pen/Eraser")
                    << "the page shows what it edits now";
        }
    }
}

TEST_F(VPenPanelTest, TheDialSwitchIsOfferedOnlyForABoundButtonOfATabletWithDialKeys)
{
    struct Case
    {
        const char *name;
        std::uint16_t dialKeys;
        bool bound;
        bool allowed;
    };
    const Case cases[] = {
        {"bound, dial keys", 2, true, true},
        {"bound, no dial keys", 0, true, false},
        {"unbound, dial keys", 2, false, false},
    };
    for (const Case &entry : cases) {
        SCOPED_TRACE(entry.name);
        page.setDeviceSource([&entry] {
            TabletDeviceInfo info;
            info.dialKeyCount = entry.dialKeys;
            return std::optional<TabletDeviceInfo>(info);
        });
        configure->pen.buttons = defaults->pen.buttons;
        if (!entry.bound)
            configure->pen.buttons.erase(VPenPanel::kUpperButton);
        page.updateFromConfigure();
        EXPECT_EQ(contentOf(*upperRow()), entry.bound ? "Pen/Eraser" : "Invalid");
        bool okEnabled = false;
        onNextDialog<VActionSelectDlg>([&okEnabled](VActionSelectDlg &dialog) {
            child<QListWidget>(dialog, "asdMenu")->setCurrentRow(2);
            child<QComboBox>(dialog, "comboMisc")->setCurrentIndex(3);
            okEnabled = child<QPushButton>(dialog, "btnOK")->isEnabled();
            dialog.reject();
        });
        child<QPushButton>(*upperRow(), "btnContent")->click();
        EXPECT_EQ(okEnabled, entry.allowed);
    }
}

TEST_F(VPenPanelTest, ANewDescriptionReplacesTheActionWithACopyThatCarriesIt)
{
    const TabletActionPtr before = boundTo(configure->pen.buttons, VPenPanel::kUpperButton);
    QMetaObject::invokeMethod(upperRow(), "titleTextFinished", Q_ARG(QString, QStringLiteral("Eraser toggle")));
    const TabletActionPtr after = boundTo(configure->pen.buttons, VPenPanel::kUpperButton);
    ASSERT_NE(after, before);
    EXPECT_EQ(after->tip, "Eraser toggle");
    EXPECT_EQ(after->displayText(), before->displayText());
    EXPECT_NE(before->tip, "Eraser toggle");
    EXPECT_EQ(applied, 1);
}

TEST_F(VPenPanelTest, RestoreDefaultResetsThePenAndOnlyTheProfileInUse)
{
    for (bool followApplications : {false, true}) {
        SCOPED_TRACE(followApplications);
        const TabletActionPtr kritaUpper = std::make_shared<TabletMouseAction>("", TabletMouseAction::MiddleClick);
        setAppProfiles({profile("Krita", kritaUpper)});
        page.fillApplicationCombo();
        configure->pen.appHotkeys = followApplications;
        configure->pen.step = 9;
        configure->pen.curveEnabled = true;
        configure->pen.buttons[VPenPanel::kLowerButton] = std::make_shared<TabletMouseAction>("", 8);
        page.updateFromConfigure();
        applications()->setCurrentIndex(1);
        applied = 0;

        child<QPushButton>(page, "btnRestoreDefault")->click();

        EXPECT_EQ(configure->pen.step, defaults->pen.step);
        EXPECT_EQ(configure->pen.curveEnabled, defaults->pen.curveEnabled);
        EXPECT_EQ(boundTo(configure->pen.buttons, VPenPanel::kLowerButton)->displayText(), "Right Click");
        const TabletActionPtr kritaNow = boundTo(appProfiles().at(0).buttons, VPenPanel::kUpperButton);
        const TabletActionPtr kritaRun = boundTo(appProfilesSnapshot()->at(0).buttons, VPenPanel::kUpperButton);
        if (followApplications) {
            EXPECT_EQ(kritaNow->displayText(), "Pen/Eraser");
            EXPECT_EQ(kritaRun->displayText(), "Pen/Eraser");
            EXPECT_NE(kritaNow, boundTo(configure->pen.buttons, VPenPanel::kUpperButton))
                    << "the profile shares no action with the configuration";
        } else {
            EXPECT_EQ(kritaNow, kritaUpper) << "a profile the pen does not use stays as it was";
            EXPECT_EQ(kritaRun->displayText(), "Middle Click");
        }
        EXPECT_GE(applied, 1);
    }
}

// A folder where a file goes stands for a disk that takes no file there.
TEST_F(VPenPanelTest, SaveConfirmsOnlyWhatItWroteAndSaysWhatItCouldNot)
{
    enum Blocked { Nothing, ModelFile, CommonFile, ProfileFile };
    const struct {
        const char *what;
        bool named;
        Blocked blocked;
        const char *tip;
        bool modelFileWritten;
    } rows[] = {
        {"everything written", true, Nothing, "Configuration saved", true},
        {"no model to write", false, Nothing, "", false},
        {"the model's file", true, ModelFile, "Configuration not saved", false},
        {"comm.xml", true, CommonFile, "Configuration not saved", true},
        {"a profile", true, ProfileFile, "Application settings not saved", true},
        {"a profile, and no model", false, ProfileFile, "Application settings not saved", false},
    };
    VTipMsgboxDlg::createInstance();
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        IsolatedDataLocation::clear();
        const QString blockedPaths[] = {QString(), userConfigPath(QLatin1String(kModel)), commonSettingsPath(),
                                        appProfileDir() + QStringLiteral("/Krita.xml")};
        if (row.blocked != Nothing) {
            ASSERT_TRUE(QDir().mkpath(blockedPaths[row.blocked]));
        }
        VTipMsgboxDlg::instance()->slotShowMessage(QString());
        configure->model = row.named ? QLatin1String(kModel) : QString();
        configure->pen.step = 3;
        applied = 0;

        child<QPushButton>(page, "btnOK")->click();
        QApplication::processEvents();

        EXPECT_EQ(VTipMsgboxDlg::instance()->text(), QLatin1String(row.tip));
        EXPECT_EQ(QFileInfo(userConfigPath(QLatin1String(kModel))).isFile(), row.modelFileWritten);
        EXPECT_EQ(QFileInfo(appProfileDir() + QStringLiteral("/Krita.xml")).isFile(), row.blocked != ProfileFile)
                << "the profiles are written whatever became of the configuration";
        EXPECT_EQ(applied, 1);
        if (row.modelFileWritten) {
            const TabletConfigurePtr reread = loadConfigure(QLatin1String(kModel), false, {});
            ASSERT_TRUE(reread);
            EXPECT_EQ(reread->pen.step, 3);
        }
    }
}

TEST_F(VPenPanelTest, WithoutPressureTheCurveIsTheDiagonalAndLocked)
{
    configure->pen.curveEnabled = true;
    page.updateFromConfigure();
    child<QPushButton>(page, "btnH2")->click();
    EXPECT_EQ(configure->pen.curve.middle, QPointF(0.875, 0.875));
    const char *presets[] = {"btnS2", "btnS1", "btnM0", "btnH1", "btnH2"};

    QComboBox *mode = child<QComboBox>(page, "comboPenCapacity");
    mode->setCurrentIndex(1);
    EXPECT_EQ(configure->pen.capacity, 1u);
    EXPECT_EQ(configure->pen.curve.middle, QPointF(0.5, 0.5));
    for (const char *preset : presets)
        EXPECT_FALSE(child<QPushButton>(page, preset)->isEnabled()) << preset;
    VCurvePanel *curve = child<VCurvePanel>(page, "widgetCurvePanel");
    QTest::mouseClick(curve, Qt::LeftButton, Qt::NoModifier, {20, 20});
    EXPECT_EQ(configure->pen.curve.middle, QPointF(0.5, 0.5)) << "a locked curve ignores the mouse";

    mode->setCurrentIndex(2);
    EXPECT_EQ(configure->pen.capacity, 2u);
    for (const char *preset : presets)
        EXPECT_TRUE(child<QPushButton>(page, preset)->isEnabled()) << preset;
    child<QPushButton>(page, "btnS1")->click();
    EXPECT_EQ(configure->pen.curve.middle, QPointF(0.25, 0.25));
    mode->setCurrentIndex(0);
    EXPECT_EQ(configure->pen.curve.middle, QPointF(0.25, 0.25)) << "pressure back on keeps the curve";
}

TEST_F(VPenPanelTest, MouseModeTakesGameSupportAlongOnlyWhenItGoesOff)
{
    QCheckBox *mouseMode = child<QCheckBox>(page, "checkMouseMode");
    configure->pen.relative = false;
    configure->pen.gameSupport = true;
    page.updateFromConfigure();
    mouseMode->setChecked(true);
    EXPECT_TRUE(configure->pen.relative);
    EXPECT_TRUE(configure->pen.gameSupport);
    mouseMode->setChecked(false);
    EXPECT_FALSE(configure->pen.relative);
    EXPECT_FALSE(configure->pen.gameSupport);
    mouseMode->setChecked(true);
    EXPECT_FALSE(configure->pen.gameSupport);
}

TEST_F(VPenPanelTest, TheOptionsDialogNeverChangesMouseMode)
{
    configure->pen.relative = true;
    configure->pen.appHotkeys = false;
    page.updateFromConfigure();
    onNextDialog<VPenOptionDlg>([this](VPenOptionDlg &dialog) {
        EXPECT_TRUE(dialog.options().relative);
        for (VRichItem *row : dialog.findChildren<VRichItem *>())
            QTest::mouseClick(row->findChild<VSwitchButton *>(), Qt::LeftButton);
        // Mouse mode changes elsewhere while the dialog is open; the dialog's copy is stale.
        configure->pen.relative = false;
        child<QPushButton>(dialog, "btnOK")->click();
    });
    child<QPushButton>(page, "btnMoreOptions")->click();
    EXPECT_TRUE(configure->pen.appHotkeys);
    EXPECT_FALSE(configure->pen.relative);
    EXPECT_TRUE(child<QWidget>(page, "frameSpecApp")->isVisibleTo(&page));
}

TEST_F(VPenPanelTest, APenDisplayHidesMouseModeAndTurnsItOff)
{
    configure->pen.relative = true;
    page.setDeviceSource([] {
        TabletDeviceInfo info;
        info.penDisplay = true;
        return std::optional<TabletDeviceInfo>(info);
    });
    page.updateFromConfigure();
    EXPECT_FALSE(configure->pen.relative);
    EXPECT_FALSE(child<QCheckBox>(page, "checkMouseMode")->isVisibleTo(&page));
    EXPECT_EQ(applied, 0) << "a refresh pushes nothing";
}

// The live pressure follows the pen while the page is shown, past the display's 25 ms pace; a
// hidden page and a packet that the engine did not fill leave it as it is.
TEST_F(VPenPanelTest, TheLivePressureFollowsOnlyValidPacketsWhileThePageIsShown)
{
    const auto packet = [](std::uint16_t pressure, std::uint16_t maximum, bool valid) {
        const TabletPenPacket pen(0xA1, 1000, 1000, pressure, 0, 0, 0, 0, 0);
        TabletPenPacketWrapper wrapper(pen, pen);
        wrapper.pressureMax = maximum;
        wrapper.valid = valid;
        return QVariant::fromValue(wrapper);
    };
    const struct {
        const char *what;
        bool shown;
        QVariant data;
        int percent;
        const char *value;
    } steps[] = {
        {"the first packet starts the pace", true, packet(4000, 8191, true), 0, "0"},
        {"a packet on the shown page", true, packet(4095, 8191, true), 49, "4095"},
        {"a packet while the page is hidden", false, packet(8191, 8191, true), 49, "4095"},
        {"a packet the engine did not fill", true, packet(8191, 8191, false), 49, "4095"},
        {"no pen in range", true, QVariant::fromValue(TabletPenPacketWrapper()), 49, "4095"},
        {"a 16383-level device", true, packet(8191, 16383, true), 100, "16383"},
    };
    auto *bar = child<QProgressBar>(page, "progressPressure");
    auto *value = child<QLabel>(page, "labelPressureValue");
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        page.setVisible(step.shown);
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        page.updatePenData(step.data);
        EXPECT_EQ(bar->value(), step.percent);
        EXPECT_EQ(value->text(), QLatin1String(step.value));
    }
}

TEST_F(VPenPanelTest, TheWheelNeverChangesAComboBox)
{
    QComboBox *mode = child<QComboBox>(page, "comboPenCapacity");
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(mode, &wheel);
    EXPECT_EQ(mode->currentIndex(), 0);
}
