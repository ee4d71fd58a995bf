#include "ui/pages/VSettingsPanel.h"

#include "app/MainWindow.h"
#include "config/configure/CommonSettings.h"
#include "config/configure/ConfigureStore.h"
#include "config/language/TabletLanguage.h"
#include "config/package/SettingsPackage.h"
#include "config/platform/DataFolders.h"
#include "config/profiles/AppProfile.h"
#include "config/profiles/AppProfileStore.h"
#include "config/support/IsolatedDataLocation.h"
#include "config/support/StoreExpectations.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/support/SimulatedTablet.h"
#include "support/QtPrinters.h"
#include "ui/dialogs/messages/VTipMsgboxDlg.h"
#include "ui/pages/VLanguageItem.h"
#include "ui/widgets/VRichItem.h"
#include "ui/widgets/VRichList.h"
#include "ui/widgets/VSwitchButton.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

using store_test::readFile;

const QString kPenSix = QStringLiteral("QZ-Pen 6");
constexpr int kEnglish = 0;
constexpr int kGerman = 4;

// The page with its dialogs answered by the test and the window's part played by counters.
struct TestPage
{
    TestPage()
    {
        UIConfigure::setApplyHandler([this] { ++applied; });
        VSettingsPanel::Prompts prompts;
        prompts.saveFileName = [this](QWidget *, const QString &caption, const QString &proposed, const QString &) {
            asked << caption + QLatin1Char(':') + proposed;
            return chosenFile;
        };
        prompts.openFileName = [this](QWidget *, const QString &caption, const QString &) {
            asked << caption;
            return chosenFile;
        };
        prompts.question = [this](QWidget *, const QString &title, const QString &text) {
            asked << title + QLatin1Char(':') + text;
            return answerYes;
        };
        prompts.message = [this](const QString &title, const QString &text) {
            messages << title + QLatin1Char(':') + text;
        };
        page.setPrompts(prompts);
        page.setDeviceHooks({[this] { return model; }, [] { return ConfigureMonitorList(); },
                             [this] {
                                 ++reopened;
                                 if (onReopen)
                                     onReopen();
                             }});
    }

    ~TestPage() { UIConfigure::setApplyHandler(nullptr); }

    VRichItem *row(const char *title) const
    {
        for (VRichItem *item : page.findChildren<VRichItem *>()) {
            if (item->findChild<QLabel *>(QStringLiteral("riLabelTitle"))->text() == QLatin1String(title))
                return item;
        }
        ADD_FAILURE() << "no row " << title;
        return nullptr;
    }

    void click(const char *title) const { row(title)->findChild<QPushButton *>(QStringLiteral("riBtnMain"))->click(); }

    void flip(const char *title) const
    {
        QTest::mouseClick(row(title)->findChild<VSwitchButton *>(QStringLiteral("widgetSwitch")), Qt::LeftButton);
    }

    QComboBox *languageCombo() const { return page.findChild<VLanguageItem *>()->findChild<QComboBox *>(); }

    VSettingsPanel page;
    int applied = 0;
    int reopened = 0;
    std::function<void()> onReopen;
    QString model;
    QString chosenFile;
    bool answerYes = true;
    QStringList asked;
    QStringList messages;
};

class VSettingsPanelTest : public testing::Test
{
protected:
    void SetUp() override
    {
        IsolatedDataLocation::clear();
        TabletLanguage::instance().setLanguage(kEnglish);
        auto configure = std::make_shared<TabletConfigure>();
        configure->model = kPenSix;
        configure->common.language = kEnglish;
        setCurrentConfigure(configure);
    }

    void TearDown() override
    {
        TabletLanguage::instance().setLanguage(kEnglish);
        setCurrentConfigure(std::make_shared<TabletConfigure>());
        setAppProfiles(AppProfileList());
    }
};

CommonConfigure storedCommonSettings()
{
    CommonConfigure common;
    EXPECT_TRUE(loadCommonSettings(common));
    return common;
}

QStringList profileFiles()
{
    return QDir(appProfileDir()).entryList({QStringLiteral("*.xml")}, QDir::Files);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A profile whose program exists, so that loading the profile folder keeps it.
AppProfile existingProgramProfile(const char *name)
{
    AppProfile profile;
    profile.name = QLatin1String(name);
    profile.path = QCoreApplication::applicationFilePath();
    return profile;
}

} // namespace

TEST_F(VSettingsPanelTest, ARefreshShowsTheStoredOptionsAndWritesNothing)
{
    const int system = TabletLanguage::systemLanguageIndex();
    const struct {
        std::uint32_t stored;
        int shown;
        bool on;
    } cases[] = {{255, system, false}, {11, system, true}, {10, 10, true}, {4, 4, false}, {0, 0, true}};
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.stored);
        TabletLanguage::instance().setLanguage(kEnglish);
        TestPage test;
        CommonConfigure &common = currentConfigure()->common;
        common.language = entry.shown == 3 ? 2 : 3;
        common.tilt = common.orientation = common.message = common.hotkeySync = !entry.on;
        test.page.updateFromConfigure();
        common.language = entry.stored;
        common.tilt = common.orientation = common.message = common.hotkeySync = entry.on;

        test.page.updateFromConfigure();

        EXPECT_EQ(test.languageCombo()->currentIndex(), entry.shown);
        for (const char *title : {"Pen tilt data", "Tablet auto rotation", "Hotkey description",
                                  "Hotkey synchronized response"})
            EXPECT_EQ(test.row(title)->isChecked(), entry.on) << title;
        EXPECT_EQ(test.applied, 0);
        EXPECT_FALSE(QFile::exists(commonSettingsPath()));
    }
}

TEST_F(VSettingsPanelTest, EachSwitchGoesToTheEngineAndToBothFilesAtOnce)
{
    const struct {
        const char *title;
        bool CommonConfigure::*field;
    } rows[] = {
        {"Pen tilt data", &CommonConfigure::tilt},
        {"Tablet auto rotation", &CommonConfigure::orientation},
        {"Hotkey description", &CommonConfigure::message},
        {"Hotkey synchronized response", &CommonConfigure::hotkeySync},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.title);
        IsolatedDataLocation::clear();
        TestPage test;
        test.page.updateFromConfigure();
        const bool before = currentConfigure()->common.*row.field;

        test.flip(row.title);

        EXPECT_EQ(currentConfigure()->common.*row.field, !before);
        EXPECT_EQ(test.applied, 1);
        EXPECT_EQ(storedCommonSettings().*row.field, !before);
        const TabletConfigurePtr stored = loadConfigure(kPenSix, false, {});
        ASSERT_TRUE(stored) << "the model's file is written too";
        EXPECT_EQ(stored->common.*row.field, !before);
    }
}

// A folder where a file goes stands for a disk that takes no file there. The reset also moves the
// language row, from German to the system's language.
TEST_F(VSettingsPanelTest, ASwitchOrAResetTheDiskCannotKeepIsSaidSoOnce)
{
    VTipMsgboxDlg::createInstance();
    QSignalSpy tips(VTipMsgboxDlg::instance(), &VTipMsgboxDlg::showMessage);
    for (const char *blocked : {"the model's file", "comm.xml"}) {
        SCOPED_TRACE(blocked);
        IsolatedDataLocation::clear();
        setAppProfiles({existingProgramProfile("Krita")});
        ASSERT_TRUE(saveAppProfiles());
        const QString profile = appProfileDir() + QStringLiteral("/Krita.xml");
        const QByteArray stored = readFile(profile);
        const QString path = QLatin1String(blocked) == QLatin1String("comm.xml") ? commonSettingsPath() : userConfigPath(kPenSix);
        ASSERT_TRUE(QDir().mkpath(path));
        VTipMsgboxDlg::instance()->slotShowMessage(QString());
        TestPage test;
        test.model = kPenSix;
        test.page.updateFromConfigure();

        test.flip("Pen tilt data");

        EXPECT_EQ(VTipMsgboxDlg::instance()->text(), QStringLiteral("Configuration not saved"));
        EXPECT_EQ(test.applied, 1) << "the engine has the change all the same";
        currentConfigure()->common.language = kGerman;
        test.page.updateFromConfigure();
        tips.clear();
        test.click("Reset");
        EXPECT_EQ(tips.size(), 1);
        EXPECT_EQ(VTipMsgboxDlg::instance()->text(), QStringLiteral("Settings not reset"));
        EXPECT_EQ(readFile(profile), stored);
        EXPECT_EQ(appProfiles().size(), 1) << "the profiles stay in use, as on the disk";
    }
}

TEST_F(VSettingsPanelTest, ALanguageChosenOnThePageIsInstalledStoredAndTranslatesThePage)
{
    TestPage test;
    test.page.updateFromConfigure();
    auto *subMenu = test.page.findChild<QListWidget *>(QStringLiteral("spSubMenuSettings"));
    VRichItem *tilt = test.row("Pen tilt data");

    test.languageCombo()->setCurrentIndex(kGerman);

    EXPECT_EQ(TabletLanguage::instance().language(), kGerman);
    EXPECT_EQ(currentConfigure()->common.language, std::uint32_t(kGerman));
    EXPECT_EQ(storedCommonSettings().language, std::uint32_t(kGerman));
    EXPECT_EQ(test.applied, 1);
    test.page.retranslate();
    EXPECT_EQ(subMenu->item(0)->text(), QStringLiteral("Sprache"));
    EXPECT_EQ(subMenu->item(0)->toolTip(), QStringLiteral("Sprache"));
    EXPECT_EQ(test.page.findChildren<VRichList *>().at(1)->findChild<QLabel *>(QStringLiteral("rlLabelTitle"))->text(),
              QStringLiteral("Stiftfunktionen"));
    EXPECT_EQ(tilt->findChild<QLabel *>(QStringLiteral("riLabelTitle"))->text(), QStringLiteral("Neigungsdaten des Stifts"));
    EXPECT_EQ(tilt->findChild<QLabel *>(QStringLiteral("riLabelCaption"))->text(),
              QStringLiteral("Wenn aktiviert, wird der Neigungswinkel des Stifts ausgegeben"));
}

TEST_F(VSettingsPanelTest, ResetAsksFirstAndNeedsATablet)
{
    AppProfileList profiles;
    profiles.append(existingProgramProfile("Krita"));
    setAppProfiles(profiles);
    const struct {
        const char *what;
        bool answerYes;
        const char *model;
    } cases[] = {{"answered No", false, "QZ-Pen 6"}, {"no tablet", true, ""}, {"a model without defaults", true, "QZ-Pen 99"}};
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        TestPage test;
        test.answerYes = entry.answerYes;
        test.model = QLatin1String(entry.model);
        const TabletConfigurePtr before = currentConfigure();

        test.click("Reset");

        EXPECT_EQ(test.asked, QStringList{QStringLiteral("Settings:This will reset all Settings to default, are you sure?")});
        EXPECT_EQ(currentConfigure(), before);
        EXPECT_EQ(appProfiles().size(), 1);
        EXPECT_EQ(test.reopened, 0);
        EXPECT_EQ(test.applied, 0);
    }
}

TEST_F(VSettingsPanelTest, ResetBringsBackTheDefaultsEmptiesTheProfilesAndReopensTheTablet)
{
    const TabletConfigurePtr defaults = loadConfigure(kPenSix, true, {});
    ASSERT_TRUE(defaults);
    TabletConfigurePtr changed = std::make_shared<TabletConfigure>(*defaults);
    changed->pen.step = defaults->pen.step == 2 ? 3 : 2;
    changed->common.language = kGerman;
    changed->common.tilt = !defaults->common.tilt;
    setCurrentConfigure(changed);
    ASSERT_TRUE(saveConfigure());
    AppProfileList profiles;
    profiles.append(existingProgramProfile("Krita"));
    setAppProfiles(profiles);
    ASSERT_TRUE(saveAppProfiles());
    ASSERT_EQ(profileFiles().size(), 1);
    TestPage test;
    test.model = kPenSix;
    test.page.updateFromConfigure();
    // The window's reopening fits the configuration to the screens it finds.
    const double fitted = 0.9;
    test.onReopen = [fitted] { currentConfigure()->mapping.kx = fitted; };

    test.click("Reset");

    const TabletConfigurePtr current = currentConfigure();
    EXPECT_NE(current, changed);
    EXPECT_EQ(current->pen.step, defaults->pen.step);
    EXPECT_EQ(current->common.tilt, defaults->common.tilt);
    const int system = TabletLanguage::systemLanguageIndex();
    EXPECT_EQ(current->common.language, std::uint32_t(system));
    EXPECT_EQ(test.languageCombo()->currentIndex(), system);
    EXPECT_EQ(TabletLanguage::instance().language(), system);
    EXPECT_TRUE(appProfiles().isEmpty());
    EXPECT_TRUE(profileFiles().isEmpty());
    EXPECT_EQ(storedCommonSettings().language, std::uint32_t(system));
    const TabletConfigurePtr stored = loadConfigure(kPenSix, false, {});
    EXPECT_EQ(stored->pen.step, defaults->pen.step);
    EXPECT_DOUBLE_EQ(stored->mapping.kx, fitted) << "the file keeps what the reopened tablet runs with";
    EXPECT_EQ(test.reopened, 1);
    EXPECT_GE(test.applied, 1);
}

TEST_F(VSettingsPanelTest, ExportSaysWhatItDidAndAddsTheExtension)
{
    const QString folder = IsolatedDataLocation::location() + QStringLiteral("/backups");
    const struct {
        const char *what;
        bool saved;
        QString chosen;
        QString written;
        QString message;
    } cases[] = {
        {"cancelled", true, QString(), QString(), QString()},
        {"nothing saved yet", false, folder + QStringLiteral("/a"), QString(),
         QStringLiteral("Export Settings:No Settings are exported, please save them first")},
        {"a folder that is not there", true, folder + QStringLiteral("/missing/a"), QString(),
         QStringLiteral("Export Settings:Settings export abort\nCould not be written: ")
                 + QDir::toNativeSeparators(folder + QStringLiteral("/missing/a.zlpkg"))},
        {"saved", true, folder + QStringLiteral("/a"), folder + QStringLiteral("/a.zlpkg"),
         QStringLiteral("Export Settings:Settings export completed")},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        IsolatedDataLocation::clear();
        ASSERT_TRUE(QDir().mkpath(folder));
        if (entry.saved) {
            ASSERT_TRUE(saveConfigure());
        }
        TestPage test;
        test.chosenFile = entry.chosen;

        test.click("Export Settings");

        ASSERT_EQ(test.asked.size(), 1);
        EXPECT_TRUE(test.asked.at(0).startsWith(QStringLiteral("Export Settings:zltablet-20"))) << test.asked.at(0).toStdString();
        EXPECT_EQ(test.messages, entry.message.isEmpty() ? QStringList() : QStringList{entry.message});
        EXPECT_EQ(QDir(folder).entryList(QDir::Files),
                  entry.written.isEmpty() ? QStringList() : QStringList{QStringLiteral("a.zlpkg")});
    }
}

TEST_F(VSettingsPanelTest, ImportTakesUpAGoodPackageAndRefusesABrokenOneWithoutWriting)
{
    const QString package = IsolatedDataLocation::location() + QStringLiteral("/backup.zlpkg");
    const QByteArray profile = "<?xml version=\"1.0\"?><Application name=\"Krita\" path=\""
            + QCoreApplication::applicationFilePath().toUtf8() + "\"><Hotkey/></Application>";
    const QByteArray good = SettingsPackage::encode({{SettingsPackage::AppProfileFile, QStringLiteral("Krita.xml"), profile}});
    QByteArray hostile = SettingsPackage::encode({{SettingsPackage::AppProfileFile, QStringLiteral("Krita.xml"), profile},
                                                  {SettingsPackage::AppProfileFile, QStringLiteral("b.xml"), "b"}});
    hostile.replace(20 + 44 + 8, 8, "..\\b.xml");
    const SettingsPackageEntry common{SettingsPackage::CommonSettings, QStringLiteral("comm.xml"), "<Genercal/>"};
    const QByteArray withCommon =
            SettingsPackage::encode({{SettingsPackage::AppProfileFile, QStringLiteral("Krita.xml"), profile}, common});
    const struct {
        const char *what;
        QByteArray bytes;
        bool commonBlocked;
        QString message;
        int profiles;
        int reopened;
    } cases[] = {
        {"a name that leaves its folder", hostile, false, QStringLiteral("Import Settings:Settings import abort"), 0, 0},
        {"truncated", good.left(good.size() - 1), false, QStringLiteral("Import Settings:Settings import abort"), 0, 0},
        {"good", good, false, QStringLiteral("Import Settings:Settings import completed"), 1, 1},
        {"comm.xml not written", withCommon, true,
         QStringLiteral("Import Settings:Settings partly imported\nCould not be written: comm.xml"), 1, 1},
        {"nothing written", SettingsPackage::encode({common}), true,
         QStringLiteral("Import Settings:Settings import abort\nCould not be written: comm.xml"), 0, 0},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        IsolatedDataLocation::clear();
        setAppProfiles(AppProfileList());
        QDir().mkpath(IsolatedDataLocation::location());
        if (entry.commonBlocked) {
            ASSERT_TRUE(QDir().mkpath(commonSettingsPath())) << "a folder where the file goes";
        }
        writeFile(package, entry.bytes);
        TestPage test;
        test.chosenFile = package;

        test.click("Import Settings");

        EXPECT_EQ(test.asked, QStringList{QStringLiteral("Import Settings")});
        EXPECT_EQ(test.messages, QStringList{entry.message});
        EXPECT_EQ(profileFiles().size(), entry.profiles);
        EXPECT_EQ(appProfiles().size(), entry.profiles);
        EXPECT_EQ(test.reopened, entry.reopened);
        EXPECT_FALSE(QFile::exists(configDir() + QStringLiteral("/b.xml")));
    }
}

TEST_F(VSettingsPanelTest, TheSubMenuJumpsToASectionAndTheNextScrollMovesItsSelection)
{
    TestPage test;
    test.page.show();
    auto *subMenu = test.page.findChild<QListWidget *>(QStringLiteral("spSubMenuSettings"));
    QScrollBar *scrollBar = test.page.findChild<QScrollArea *>(QStringLiteral("spScrollArea"))->verticalScrollBar();
    const QList<VRichList *> sections = test.page.findChildren<VRichList *>();
    ASSERT_EQ(subMenu->count(), 6);
    ASSERT_EQ(sections.size(), 6);
    ASSERT_GT(scrollBar->maximum(), sections.at(2)->y());
    EXPECT_EQ(subMenu->currentRow(), 0);

    subMenu->setCurrentRow(2);
    emit subMenu->itemClicked(subMenu->item(2));
    EXPECT_EQ(scrollBar->value(), sections.at(2)->y());
    EXPECT_EQ(subMenu->currentRow(), 2);

    subMenu->setCurrentRow(5);
    emit subMenu->itemClicked(subMenu->item(5));
    EXPECT_EQ(scrollBar->value(), scrollBar->maximum());
    EXPECT_GT(sections.at(5)->y(), scrollBar->value()) << "sections above the chosen one show";
    EXPECT_EQ(subMenu->currentRow(), 5) << "yet the menu keeps its choice";

    subMenu->setCurrentRow(5);
    emit subMenu->itemClicked(subMenu->item(5));
    scrollBar->setValue(0);
    EXPECT_EQ(subMenu->currentRow(), 0) << "a jump that did not scroll leaves the next scroll followed";
    scrollBar->setValue(sections.at(1)->y() + 1);
    EXPECT_EQ(subMenu->currentRow(), 1);
}

TEST_F(VSettingsPanelTest, DiagnoseOpensTheDiagnosisAndARemovedTabletHidesIt)
{
    // The page in the settings window, which hears of the tablet's removal from the engine.
    const char path[] = "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&1111&0&0000";
    auto bus = std::make_shared<SimulatedHidBus>();
    bus->addDevice(simulatedTablet(path, qPrintable(kPenSix)));
    EnginePlatform platform;
    platform.hid = bus;
    MainWindow window(std::move(platform));
    auto *page = window.findChild<VSettingsPanel *>();
    ASSERT_TRUE(page);
    for (VRichItem *item : page->findChildren<VRichItem *>()) {
        if (item->findChild<QLabel *>(QStringLiteral("riLabelTitle"))->text() == QLatin1String("Diagnose"))
            item->findChild<QPushButton *>(QStringLiteral("riBtnMain"))->click();
    }
    QDialog *diagnosis = nullptr;
    for (QWidget *shown : QApplication::topLevelWidgets()) {
        if (shown->inherits("VDiagnoseDlg") && shown->isVisible())
            diagnosis = qobject_cast<QDialog *>(shown);
    }
    ASSERT_TRUE(diagnosis);

    bus->removeDevice(path);
    window.appLogic().onTabletStatus(TabletStatus::Removed, path);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !diagnosis->isVisible(); }, 2000));
}
