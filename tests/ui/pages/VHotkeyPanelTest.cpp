#include "ui/pages/VHotkeyPanel.h"

#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMouseAction.h"
#include "config/configure/ConfigureStore.h"
#include "config/layout/ModelTables.h"
#include "config/layout/TabletLayoutKey.h"
#include "config/layout/TabletLayoutTouch.h"
#include "config/packets/TabletComponentPacketWrapper.h"
#include "config/platform/DataFolders.h"
#include "config/profiles/AppProfileStore.h"
#include "config/support/IsolatedDataLocation.h"
#include "ui/dialogs/actions/VHotkeyPreviewDlg.h"
#include "ui/dialogs/messages/VTipMsgboxDlg.h"
#include "ui/pages/VHotkeyLayoutPanel.h"
#include "ui/widgets/VRichButton.h"
#include "ui/widgets/VTitleBar.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolBox>

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <functional>
#include <memory>
#include <stdexcept>

namespace {

const char kDialTablet[] = "QZ-Pen 6 Dial";
const char kTouchDisplay[] = "QZ-Canvas 16 Pro";

TabletActionPtr keys(const char *text, const char *tip = "")
{
    return std::make_shared<TabletKeyboardAction>(QLatin1String(tip), QLatin1String(text),
                                                  TabletKeyboardAction::KeyCombination);
}

// What the binding row shows.
struct Row
{
    QString title;
    QString description;
    QString content;
};

AppProfile krita()
{
    AppProfile profile;
    profile.name = QStringLiteral("Krita");
    profile.path = QStringLiteral("C:/Apps/krita.exe");
    profile.keys[1] = keys("K", "Krita key");
    DialConfigure dial;
    dial.pairs = {ActionPair(keys("1"), keys("2")), ActionPair(keys("3"), keys("4"))};
    profile.dials[1] = dial;
    return profile;
}

ProcessEntry kritaProcess()
{
    ProcessEntry process;
    process.name = QStringLiteral("KRITA");
    process.path = QStringLiteral("C:/Apps/krita.exe");
    return process;
}

// A page on the model's default configuration, with the user's answers given in place of the
// dialogs and the engine's hand-overs counted.
class VHotkeyPanelTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        modelTables().clear();
        loadModelTables();
        VTipMsgboxDlg::createInstance();
    }
    static void TearDownTestSuite() { modelTables().clear(); }

    void SetUp() override
    {
        IsolatedDataLocation::clear();
        UIConfigure::setApplyHandler([this] { ++applied; });
        setAppProfiles(AppProfileList{krita()});
        VHotkeyPanel::Dialogs dialogs;
        dialogs.action = [this](QWidget *, ActionSelection &selection) {
            whileAsked();
            askedAction = selection;
            selection.action = chosenAction;
            return confirm;
        };
        dialogs.dialActions = [this](QWidget *, DialActionSelection &selection) {
            whileAsked();
            askedDial = selection;
            selection.entries = chosenDial;
            return confirm;
        };
        dialogs.options = [this](QWidget *, HotkeyOptions &options) {
            whileAsked();
            askedOptions = options;
            options = chosenOptions;
            return confirm;
        };
        page.setDialogs(dialogs);
        page.setForegroundSource([this](ProcessEntry &process) {
            process = foreground;
            return !foreground.path.isEmpty();
        });
    }

    void TearDown() override
    {
        UIConfigure::setApplyHandler(nullptr);
        setAppProfiles(AppProfileList());
        setCurrentConfigure(std::make_shared<TabletConfigure>());
    }

    void load(const char *model, bool appHotkeys = false, int application = 0)
    {
        configure = loadConfigure(QLatin1String(model), true, {});
        ASSERT_TRUE(configure);
        configure->hotkey.appHotkeys = appHotkeys;
        setCurrentConfigure(configure);
        page.updateFromConfigure();
        page.fillApplicationCombo();
        page.applicationCombo()->setCurrentIndex(application);
        applied = 0;
    }

    // Clicks the component of the layout that `matches` picks.
    template <typename Match>
    void select(Match matches)
    {
        auto *layout = page.findChild<VHotkeyLayoutPanel *>(QStringLiteral("widgetHotkeyLayout"));
        const TabletLayoutPtr model = layoutForModel(configure->model);
        for (const TabletLayoutComponentPtr &component : model->tablet.components) {
            if (matches(*component)) {
                QTest::mouseClick(layout, Qt::LeftButton, Qt::NoModifier, component->rect.center());
                return;
            }
        }
        ADD_FAILURE() << "no such component";
    }

    void selectKey(int id, bool isVirtual = false)
    {
        select([&](const TabletLayoutComponent &c) {
            return c.type == TabletLayoutComponent::Key && c.id == id
                    && static_cast<const TabletLayoutKey &>(c).isVirtual == isVirtual;
        });
    }
    void selectDial() { select([](const TabletLayoutComponent &c) { return c.type == TabletLayoutComponent::Dial; }); }
    void selectTouch(int event)
    {
        select([&](const TabletLayoutComponent &c) {
            return c.type == TabletLayoutComponent::Touch && static_cast<const TabletLayoutTouch &>(c).event == event;
        });
    }

    VRichButton *rowButton() { return page.findChild<VRichButton *>(QStringLiteral("hpHotkeyButton")); }

    // What happens while a dialog is open, before the user answers.
    void whileAsked()
    {
        if (meanwhile)
            meanwhile();
    }

    Row row()
    {
        VRichButton *button = rowButton();
        return {button->findChild<QLabel *>(QStringLiteral("labelTitle"))->text(),
                button->findChild<QLineEdit *>(QStringLiteral("editTitle"))->text(),
                button->findChild<QPushButton *>(QStringLiteral("btnContent"))->text()};
    }

    VHotkeyPanel page;
    TabletConfigurePtr configure;
    int applied = 0;
    bool confirm = true;
    TabletActionPtr chosenAction;
    std::vector<DialActionEntry> chosenDial;
    HotkeyOptions chosenOptions;
    ActionSelection askedAction;
    DialActionSelection askedDial;
    HotkeyOptions askedOptions;
    ProcessEntry foreground;
    std::function<void()> meanwhile;
};

} // namespace

TEST_F(VHotkeyPanelTest, TheRowShowsTheBindingOfTheClickedKeyDialOrTouchSegment)
{
    load(kTouchDisplay);
    configure->hotkey.virtualKeys[2] = keys("V", "Virtual two");
    configure->hotkey.touches[3] = keys("Left", "Touch three");
    configure->hotkey.touches[1] = keys("Up", "Touch one");
    configure->hotkey.keys.erase(4);
    const struct {
        const char *what;
        std::function<void()> click;
        Row expected;
    } cases[] = {
        {"express key 1", [&] { selectKey(1); },
         {"[ K1 ]", configure->hotkey.keys.at(1)->tip, configure->hotkey.keys.at(1)->displayText()}},
        {"virtual key 2", [&] { selectKey(2, true); }, {"[ K2 ]", "Virtual two", "V"}},
        {"an unbound key", [&] { selectKey(4); }, {"[ K4 ]", "", "Invalid"}},
        {"the touch segment of event 3", [&] { selectTouch(3); }, {"[ F3 ]", "Touch three", "Left"}},
        {"the touch segment of event 1", [&] { selectTouch(1); }, {"[ F1 ]", "Touch one", "Up"}},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        entry.click();
        const Row shown = row();
        EXPECT_EQ(shown.title, entry.expected.title);
        EXPECT_EQ(shown.description, entry.expected.description);
        EXPECT_EQ(shown.content, entry.expected.content);
    }
}

TEST_F(VHotkeyPanelTest, ADialShowsItsActivePairOrItsFirstWhenTheIndexLiesOutside)
{
    load(kDialTablet);
    const struct {
        std::uint16_t index;
        Row expected;
    } cases[] = {
        {1, {"[ D-1 ]", "Smaller Brush / Larger Brush", "[ L ] [   [ R ] ]"}},
        {7, {"[ D-1 ]", "Zoom Out / Zoom In", "[ L ] Ctrl+-   [ R ] Ctrl+="}},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.index);
        configure->hotkey.dials.at(1).index = entry.index;
        selectDial();
        EXPECT_EQ(row().title, entry.expected.title);
        EXPECT_EQ(row().description, entry.expected.description);
        EXPECT_EQ(row().content, entry.expected.content);
    }
    configure->hotkey.dials.at(1).index = 0;
    const ActionPair zoom = configure->hotkey.dials.at(1).pairs[0];
    const struct {
        bool left;
        bool right;
        const char *description;
        const char *content;
    } oneSided[] = {
        {true, false, "Zoom Out", "[ L ] Ctrl+-   "},
        {false, true, " / Zoom In", "   [ R ] Ctrl+="},
    };
    for (const auto &entry : oneSided) {
        SCOPED_TRACE(entry.content);
        configure->hotkey.dials.at(1).pairs[0] = {entry.left ? zoom.first : nullptr, entry.right ? zoom.second : nullptr};
        selectDial();
        EXPECT_EQ(row().description, QLatin1String(entry.description));
        EXPECT_EQ(row().content, QLatin1String(entry.content));
    }
    configure->hotkey.dials.erase(1);
    selectDial();
    EXPECT_EQ(row().content, QStringLiteral("Invalid"));
}

TEST_F(VHotkeyPanelTest, AChosenActionBindsInTheMapsInUseAndReachesTheEngine)
{
    const struct {
        const char *what;
        bool appHotkeys;
        int application;
        bool inProfile;
    } cases[] = {
        {"all applications", true, 0, false},
        {"an application while the keys follow the applications", true, 1, true},
        {"an application chosen while they do not", false, 1, false},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        SetUp();
        load(kDialTablet, entry.appHotkeys, entry.application);
        const TabletActionPtr configured = configure->hotkey.keys.at(2);
        const AppProfileSnapshot before = appProfilesSnapshot();
        chosenAction = std::make_shared<TabletMouseAction>(QStringLiteral("Right Click"), TabletMouseAction::RightClick);
        selectKey(2);
        emit rowButton()->clickButton();

        EXPECT_EQ(askedAction.text, QStringLiteral("[ K2 ]  "));
        EXPECT_EQ(askedAction.action, entry.inProfile ? nullptr : configured);
        EXPECT_EQ(configure->hotkey.keys.at(2), entry.inProfile ? configured : chosenAction);
        EXPECT_EQ(appProfiles().at(0).keys.count(2) ? appProfiles().at(0).keys.at(2) : nullptr,
                  entry.inProfile ? chosenAction : nullptr);
        EXPECT_EQ(appProfilesSnapshot() != before, entry.inProfile) << "a profile reaches the engine as a new snapshot";
        if (entry.inProfile) {
            ASSERT_TRUE(appProfilesSnapshot()->at(0).keys.count(2));
            EXPECT_NE(appProfilesSnapshot()->at(0).keys.at(2), chosenAction) << "the engine's own copy";
        }
        EXPECT_EQ(applied, 1);
        EXPECT_EQ(row().content, chosenAction->displayText());
    }
}

// A tablet of another model that takes the place of the one a dialog was opened for (plugged in,
// or found again after a resume, while the dialog is open) gets none of the dialog's answer.
TEST_F(VHotkeyPanelTest, ADialogsAnswerIsDroppedWhenTheConfigurationWasReplacedMeanwhile)
{
    const struct {
        const char *what;
        std::function<void()> open;
    } cases[] = {
        {"a key's action", [this] { selectKey(2); emit rowButton()->clickButton(); }},
        {"a dial's actions", [this] { selectDial(); emit rowButton()->clickButton(); }},
        {"the options", [this] { page.on_btnMoreOptions_clicked(); }},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        SetUp();
        load(kDialTablet);
        const TabletConfigurePtr replacement = loadConfigure(QLatin1String(kTouchDisplay), true, {});
        ASSERT_TRUE(replacement);
        const HotkeyConfigure before = replacement->hotkey;
        chosenAction = keys("Ctrl+Alt+X");
        chosenDial = {{chosenAction, keys("Ctrl+Alt+Y")}};
        chosenOptions = HotkeyOptions();
        chosenOptions.appHotkeys = !before.appHotkeys;
        chosenOptions.hasKeys = !before.hasKeys;
        meanwhile = [this, replacement] {
            setCurrentConfigure(replacement);
            page.updateFromConfigure();
        };

        entry.open();
        meanwhile = nullptr;

        const HotkeyConfigure &now = replacement->hotkey;
        EXPECT_EQ(now.keys, before.keys);
        EXPECT_EQ(now.virtualKeys, before.virtualKeys);
        EXPECT_EQ(now.touches, before.touches);
        EXPECT_EQ(now.dials.size(), before.dials.size()) << "the touch display has no dial";
        EXPECT_EQ(now.appHotkeys, before.appHotkeys);
        EXPECT_EQ(now.hasKeys, before.hasKeys);
        EXPECT_EQ(applied, 0) << "the engine keeps what it has";
    }
}

TEST_F(VHotkeyPanelTest, TheDialSwitchIsOfferedOnlyForABoundKeyOfATabletWithDialKeys)
{
    const struct {
        const char *what;
        bool bound;
        std::uint32_t dialKeys;
        bool offered;
    } cases[] = {
        {"a bound key on a tablet with dial keys", true, 2, true},
        {"an unbound key on a tablet with dial keys", false, 2, false},
        {"a bound key on a tablet without dial keys", true, 0, false},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        SetUp();
        TabletDeviceInfo device;
        device.keyCount = 6;
        device.dialKeyCount = entry.dialKeys;
        page.setDeviceSource([device] { return std::optional<TabletDeviceInfo>(device); });
        load(kDialTablet);
        if (!entry.bound)
            configure->hotkey.keys.erase(2);
        confirm = false;
        selectKey(2);
        emit rowButton()->clickButton();
        EXPECT_EQ(askedAction.dialSwitchAllowed, entry.offered);
    }
}

TEST_F(VHotkeyPanelTest, ACancelledChoiceChangesNothingAndATouchSegmentIsBoundUnderItsEvent)
{
    load(kTouchDisplay);
    const ActionMap touches = configure->hotkey.touches;
    confirm = false;
    chosenAction = keys("X");
    selectTouch(4);
    emit rowButton()->clickButton();
    EXPECT_EQ(configure->hotkey.touches, touches);
    EXPECT_EQ(applied, 0);

    confirm = true;
    emit rowButton()->clickButton();
    EXPECT_EQ(askedAction.text, QStringLiteral("[ F4 ]  "));
    EXPECT_FALSE(askedAction.dialSwitchAllowed);
    EXPECT_EQ(configure->hotkey.touches.at(4), chosenAction);
}

TEST_F(VHotkeyPanelTest, TheDialKeepsItsActivePairWhileItHasItAndStartsAgainOtherwise)
{
    const struct {
        int pairs;
        std::uint16_t index;
        std::uint16_t expectedIndex;
    } cases[] = {{3, 2, 2}, {2, 2, 0}, {1, 2, 0}, {0, 2, 0}};
    for (const auto &entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.pairs << " pairs");
        SetUp();
        load(kDialTablet);
        configure->hotkey.dials.at(1).index = entry.index;
        chosenDial.clear();
        for (int i = 0; i < entry.pairs; ++i)
            chosenDial.push_back({keys("L"), nullptr});
        selectDial();
        emit rowButton()->clickButton();
        EXPECT_EQ(askedDial.name, QStringLiteral("[ D-1 ]  "));
        EXPECT_EQ(askedDial.number, 1);
        EXPECT_EQ(askedDial.entries.size(), 3u);
        const DialConfigure &dial = configure->hotkey.dials.at(1);
        EXPECT_EQ(dial.pairs.size(), std::size_t(entry.pairs));
        EXPECT_EQ(dial.index, entry.expectedIndex);
        EXPECT_EQ(applied, 1);
        EXPECT_EQ(row().content, entry.pairs ? QStringLiteral("[ L ] L   ") : QStringLiteral("Invalid"));
    }
}

TEST_F(VHotkeyPanelTest, ANewDescriptionBindsACopyUnderItAndAnUnboundKeyKeepsNone)
{
    load(kDialTablet, true, 1);
    const TabletActionPtr before = appProfiles().at(0).keys.at(1);
    const AppProfileSnapshot snapshot = appProfilesSnapshot();
    selectKey(1);
    emit rowButton()->titleTextFinished(QStringLiteral("Mine"));
    const TabletActionPtr after = appProfiles().at(0).keys.at(1);
    ASSERT_NE(after, before);
    EXPECT_EQ(after->tip, QStringLiteral("Mine"));
    EXPECT_EQ(after->displayText(), before->displayText());
    EXPECT_EQ(before->tip, QStringLiteral("Krita key")) << "the object the engine may still hold stays as it was";
    EXPECT_NE(appProfilesSnapshot(), snapshot);
    EXPECT_EQ(appProfilesSnapshot()->at(0).keys.at(1)->tip, QStringLiteral("Mine"));

    applied = 0;
    selectKey(3);
    emit rowButton()->titleTextFinished(QStringLiteral("Ignored"));
    EXPECT_EQ(appProfiles().at(0).keys.count(3), 0u);
    EXPECT_EQ(applied, 0);
}

// The preview, once shown, lists what the page edits at every moment, also while it stays pinned
// beside a drawing application with the settings window hidden.
TEST_F(VHotkeyPanelTest, TheShownPreviewFollowsEveryBindingAndApplicationChange)
{
    load(kDialTablet, true);
    selectKey(2);
    emit rowButton()->clickIcon();
    VHotkeyPreviewDlg *preview = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *shown = qobject_cast<VHotkeyPreviewDlg *>(window); shown && shown->isVisible())
            preview = shown;
    }
    ASSERT_TRUE(preview);
    const struct {
        const char *what;
        std::function<void()> change;
        const char *title;
        const char *line;
    } steps[] = {
        {"an action chosen",
         [&] {
             chosenAction = keys("Ctrl+S", "Save it");
             emit rowButton()->clickButton();
         },
         "All Applications", "  [K2] Ctrl+S  (Save it)"},
        {"a new description", [&] { emit rowButton()->titleTextFinished(QStringLiteral("Store")); }, "All Applications",
         "  [K2] Ctrl+S  (Store)"},
        {"an application chosen", [&] { page.applicationCombo()->setCurrentIndex(1); }, "Krita", "  [K1] K  (Krita key)"},
        {"all applications again", [&] { page.applicationCombo()->setCurrentIndex(0); }, "All Applications",
         "  [K2] Ctrl+S  (Store)"},
        {"Restore Default", [&] { page.findChild<QPushButton *>(QStringLiteral("btnRestoreDefault"))->click(); },
         "All Applications", "  [K2] Ctrl+Shift+Z  (Redo)"},
        {"the tablet's dial switch, the window hidden", [&] { page.slotSwitchDialAction(1); }, "All Applications",
         "   *[Action-2] [ | ]"},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        QStringList lines;
        for (QLabel *label : preview->findChild<QToolBox *>(QStringLiteral("toolBox"))->findChildren<QLabel *>())
            lines << label->text();
        EXPECT_TRUE(lines.contains(QLatin1String(step.line))) << lines.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(preview->findChild<VTitleBar *>(QStringLiteral("hpdWidgetTitle"))->title(),
                  QStringLiteral("Hotkey Preview (%1)").arg(QLatin1String(step.title)));
    }
    preview->hide();
}

TEST_F(VHotkeyPanelTest, TheTabletsDialSwitchAdvancesTheDialTheEngineRunsAndNamesTheNewPair)
{
    QSignalSpy tips(VTipMsgboxDlg::instance(), &VTipMsgboxDlg::showMessage);
    const struct {
        const char *what;
        bool appHotkeys;
        bool kritaInFront;
        std::uint16_t expectedConfigure;
        std::uint16_t expectedProfile;
        QString tip;
    } cases[] = {
        {"the configuration's dial", false, false, 1, 0, "Smaller Brush /  Larger Brush"},
        {"a profile's dial while the keys do not follow the applications", false, true, 1, 0,
         "Smaller Brush /  Larger Brush"},
        {"the profile's dial while they do", true, true, 0, 1, " /  "},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        SetUp();
        load(kDialTablet, entry.appHotkeys);
        foreground = entry.kritaInFront ? kritaProcess() : ProcessEntry();
        const AppProfileSnapshot before = appProfilesSnapshot();
        tips.clear();
        page.slotSwitchDialAction(1);
        EXPECT_EQ(configure->hotkey.dials.at(1).index, entry.expectedConfigure);
        EXPECT_EQ(appProfiles().at(0).dials.at(1).index, entry.expectedProfile);
        EXPECT_EQ(appProfilesSnapshot()->at(0).dials.at(1).index, entry.expectedProfile);
        EXPECT_EQ(appProfilesSnapshot() != before, entry.expectedProfile != 0);
        ASSERT_EQ(tips.count(), 1);
        EXPECT_EQ(tips.at(0).at(0).toString(), entry.tip);
        EXPECT_EQ(applied, 1);
    }
    tips.clear();
    applied = 0;
    page.slotSwitchDialAction(2);
    EXPECT_EQ(tips.count(), 0);
    EXPECT_EQ(applied, 0);
}

TEST_F(VHotkeyPanelTest, SaveWritesTheConfigurationAndTheProfilesAndSaysSo)
{
    QSignalSpy tips(VTipMsgboxDlg::instance(), &VTipMsgboxDlg::showMessage);
    load(kDialTablet, true, 1);
    chosenAction = keys("Ctrl+S", "Save it");
    selectKey(2);
    emit rowButton()->clickButton();
    page.applicationCombo()->setCurrentIndex(0);
    emit rowButton()->clickButton();
    page.findChild<QPushButton *>(QStringLiteral("btnOK"))->click();

    ASSERT_EQ(tips.count(), 1);
    EXPECT_EQ(tips.at(0).at(0).toString(), QStringLiteral("Configuration saved"));
    const TabletConfigurePtr stored = loadConfigure(QLatin1String(kDialTablet), false, {});
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->hotkey.keys.at(2)->tip, QStringLiteral("Save it"));
    EXPECT_TRUE(stored->hotkey.appHotkeys);
    QFile profileFile(appProfileDir() + QStringLiteral("/Krita.xml"));
    ASSERT_TRUE(profileFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(profileFile.readAll().contains("Ctrl+S"));
    EXPECT_EQ(applied, 3);

    profileFile.close();
    ASSERT_TRUE(profileFile.remove() && QDir().mkpath(profileFile.fileName())) << "a profile the disk refuses";
    page.findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
    ASSERT_EQ(tips.count(), 2);
    EXPECT_EQ(tips.at(1).at(0).toString(), QStringLiteral("Application settings not saved"));
}

TEST_F(VHotkeyPanelTest, RestoreDefaultResetsThePagesBindingsAndTheProfileInUseOnly)
{
    const struct {
        const char *what;
        bool appHotkeys;
        int application;
        bool profileReset;
    } cases[] = {
        {"all applications", true, 0, false},
        {"the application in use", true, 1, true},
        {"an application chosen while the keys do not follow the applications", false, 1, false},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        SetUp();
        load(kDialTablet, entry.appHotkeys, entry.application);
        const TabletActionPtr defaultUndo = configure->hotkey.keys.at(1);
        configure->hotkey.keys[1] = keys("Changed");
        configure->hotkey.dials.at(1).pairs.clear();
        const AppProfileSnapshot before = appProfilesSnapshot();

        page.findChild<QPushButton *>(QStringLiteral("btnRestoreDefault"))->click();

        EXPECT_EQ(configure->hotkey.keys.at(1)->displayText(), defaultUndo->displayText());
        EXPECT_EQ(configure->hotkey.dials.at(1).pairs.size(), 3u);
        const AppProfile &profile = appProfiles().at(0);
        EXPECT_EQ(profile.keys.at(1)->displayText(), entry.profileReset ? defaultUndo->displayText() : QStringLiteral("K"));
        EXPECT_EQ(profile.dials.at(1).pairs.size(), entry.profileReset ? 3u : 2u);
        if (entry.profileReset) {
            EXPECT_NE(profile.keys.at(1), configure->hotkey.keys.at(1)) << "no action shared with the configuration";
        }
        EXPECT_EQ(appProfilesSnapshot() != before, entry.profileReset);
        EXPECT_GE(applied, 1);
        EXPECT_FALSE(loadConfigure(QLatin1String(kDialTablet), false, {})) << "nothing is written";
    }
}

TEST_F(VHotkeyPanelTest, MoreOptionsOffersOnlyWhatTheTabletHasAndStoresTheAnswer)
{
    const struct {
        const char *what;
        std::uint16_t keys, virtualKeys, dialKeys, touch;
        bool offersKeys, offersDial, offersTouch;
    } cases[] = {
        {"keys and a dial", 6, 0, 2, 0, true, true, false},
        {"virtual keys and touch", 0, 8, 0, 1, true, false, true},
        {"nothing", 0, 0, 0, 0, false, false, false},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        SetUp();
        TabletDeviceInfo device;
        device.keyCount = entry.keys;
        device.valueC = entry.virtualKeys;
        device.dialKeyCount = entry.dialKeys;
        device.valueD = entry.touch;
        page.setDeviceSource([device] { return std::optional<TabletDeviceInfo>(device); });
        load(kTouchDisplay);
        configure->hotkey.hasKeys = configure->hotkey.hasDial = configure->hotkey.hasTouch = true;
        configure->hotkey.dialSensitivity = true;
        chosenOptions = HotkeyOptions();
        chosenOptions.appHotkeys = true;
        chosenOptions.hasTouch = true;

        page.findChild<QPushButton *>(QStringLiteral("btnMoreOptions"))->click();

        EXPECT_EQ(askedOptions.modelHasKeys, entry.offersKeys);
        EXPECT_EQ(askedOptions.hasKeys, entry.offersKeys);
        EXPECT_EQ(askedOptions.modelHasDial, entry.offersDial);
        EXPECT_EQ(askedOptions.hasDial, entry.offersDial);
        EXPECT_EQ(askedOptions.dialSensitivity, entry.offersDial);
        EXPECT_EQ(askedOptions.modelHasTouch, entry.offersTouch);
        EXPECT_EQ(askedOptions.hasTouch, entry.offersTouch);
        EXPECT_TRUE(configure->hotkey.appHotkeys);
        EXPECT_FALSE(configure->hotkey.hasKeys);
        EXPECT_FALSE(configure->hotkey.dialSensitivity);
        EXPECT_TRUE(configure->hotkey.hasTouch);
        EXPECT_EQ(applied, 1);
        EXPECT_FALSE(page.findChild<QWidget *>(QStringLiteral("frameSpecApp"))->isHidden());
        const bool controls = entry.keys || entry.virtualKeys || entry.dialKeys || entry.touch;
        EXPECT_EQ(!rowButton()->isHidden(), controls);
        EXPECT_EQ(!page.findChild<QLabel *>(QStringLiteral("labelTipText"))->isHidden(), controls);
    }
}

TEST_F(VHotkeyPanelTest, TheTabletsPacketsLightTheirComponent)
{
    load(kTouchDisplay);
    auto *layout = page.findChild<VHotkeyLayoutPanel *>(QStringLiteral("widgetHotkeyLayout"));
    const TabletLayoutPtr model = layoutForModel(configure->model);
    const auto find = [&](int type, int id, bool isVirtual, int event) -> const TabletLayoutComponent & {
        for (const TabletLayoutComponentPtr &component : model->tablet.components) {
            if (component->type != type || component->id != id)
                continue;
            if (type == TabletLayoutComponent::Key && static_cast<const TabletLayoutKey &>(*component).isVirtual != isVirtual)
                continue;
            if (type == TabletLayoutComponent::Touch && static_cast<const TabletLayoutTouch &>(*component).event != event)
                continue;
            return *component;
        }
        throw std::runtime_error("no such component");
    };
    const TabletLayoutComponent &key3 = find(TabletLayoutComponent::Key, 3, false, 0);
    const TabletLayoutComponent &virtual3 = find(TabletLayoutComponent::Key, 3, true, 0);
    const TabletLayoutComponent &touch2 = find(TabletLayoutComponent::Touch, 1, false, 2);

    page.updateComponentData(QVariant::fromValue(TabletComponentPacketWrapper(TabletKeyPacket(3, 1, 0))));
    EXPECT_TRUE(layout->isLit(key3));
    EXPECT_FALSE(layout->isLit(virtual3));
    page.updateComponentData(QVariant::fromValue(TabletComponentPacketWrapper(TabletKeyPacket(0, 0, 0))));
    EXPECT_FALSE(layout->isLit(key3));
    page.updateComponentData(QVariant::fromValue(TabletComponentPacketWrapper(TabletKeyPacket(3, 1, 1))));
    EXPECT_TRUE(layout->isLit(virtual3));
    page.updateComponentData(QVariant::fromValue(TabletComponentPacketWrapper(TabletTouchPacket(1, 2))));
    EXPECT_TRUE(layout->isLit(touch2));
    page.updateComponentData(QVariant::fromValue(TabletComponentPacketWrapper()));
    EXPECT_TRUE(layout->isLit(touch2)) << "a packet of no kind changes nothing";
}
