#include "config/configure/ConfigureStore.h"

#include "config/configure/CommonSettings.h"
#include "config/configure/ConfigureFile.h"
#include "config/platform/DataFolders.h"
#include "config/xml/XmlFile.h"

#include "config/support/IsolatedDataLocation.h"
#include "config/support/StoreExpectations.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>

using namespace store_test;

namespace {

ConfigureMonitor monitor(int index, const QRect &rect, bool primary = false,
                         bool penDisplay = false, int rotation = 0)
{
    ConfigureMonitor m;
    m.index = index;
    m.monitorRect = rect;
    m.desktopRect = QRect(0, 0, 3840, 1200);
    m.primary = primary;
    m.penDisplay = penDisplay;
    m.rotation = rotation;
    return m;
}

// A 1920x1080 main monitor, a 1920x1200 pen display turned by 90 degrees to its right.
ConfigureMonitorList deskWithPenDisplay()
{
    return {monitor(0, QRect(0, 0, 1920, 1080), true),
            monitor(1, QRect(1920, 0, 1920, 1200), false, true, 1)};
}

ConfigureMonitorList deskWithoutPenDisplay()
{
    return {monitor(0, QRect(1920, 0, 2560, 1440)),
            monitor(1, QRect(0, 0, 1920, 1080), true, false, 2)};
}

// A model file in the compiled-in defaults' format: Screen with id and rect, Work with rect.
QByteArray defaultsFile(bool display)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Configure>\n"
                      "<Pen model=\"D\"><Pointer ink=\"true\" step=\"5\"/></Pen>\n"
                      "<Tablet model=\"D\" vid=\"0x5a4c\" pid=\"0x0010\" display=\"")
            + (display ? "true" : "false")
            + "\"><Hotkey feature=\"key\"/><Mapping><Screen id=\"0\" rect=\"0,0,1,1\"/>"
              "<Work rect=\"0,0,100,100\" rotation=\"0\"/></Mapping></Tablet>\n</Configure>\n";
}

TabletConfigure sample(const QString &model)
{
    TabletConfigure c{};
    c.model = model;
    c.vid = 0x5A4C;
    c.pid = 0x0021;
    c.pen.step = 7;
    c.pen.buttons = {{1, keyboard("Ctrl+Z")}};
    c.hotkey.keys = {{2, mouse(TabletMouseAction::LeftClick)}};
    c.mapping.part = QRect(0, 0, 800, 600);
    c.mapping.screenIndex = 1;
    c.common.language = 5;
    c.common.log = true;
    return c;
}

class ConfigureStore : public testing::Test
{
protected:
    void SetUp() override { IsolatedDataLocation::clear(); }
    void TearDown() override { setCurrentConfigure(std::make_shared<TabletConfigure>()); }
};

} // namespace

// ---- the monitor layout

TEST(ConfigureMonitorLayout, NoMonitorsChangeNothing)
{
    MappingConfigure mapping;

    applyMonitorLayout(mapping, {});

    EXPECT_EQ(mapping, MappingConfigure());
}

TEST(ConfigureMonitorLayout, DesktopSizeComesFromTheFirstMonitorsDesktopRectangle)
{
    MappingConfigure mapping;
    mapping.part = QRect(10, 10, 100, 100);
    ConfigureMonitorList monitors = deskWithPenDisplay();
    monitors[1].desktopRect = QRect(0, 0, 10, 10);

    applyMonitorLayout(mapping, monitors);

    EXPECT_EQ(mapping.desktopSize, QSize(3840, 1200));
    EXPECT_EQ(mapping.part, QRect(10, 10, 100, 100));
}

TEST(ConfigureMonitorLayout, InvalidPartBecomesTheWholeFirstMonitor)
{
    const QRect invalid[] = {QRect(), QRect(5, 5, 0, 10), QRect(5, 5, 10, 0), QRect(0, 0, -3, 4)};
    for (const QRect &part : invalid) {
        SCOPED_TRACE(testing::Message() << part.width() << "x" << part.height());
        MappingConfigure mapping;
        mapping.part = part;

        applyMonitorLayout(mapping, deskWithoutPenDisplay());

        EXPECT_EQ(mapping.part, QRect(0, 0, 2560, 1440));
    }
}

TEST(ConfigureMonitorLayout, PenDisplayModelTargetsTheFirstPenDisplay)
{
    TabletConfigure c{};
    c.display = true;
    ConfigureMonitorList monitors = deskWithPenDisplay();
    monitors.push_back(monitor(2, QRect(0, 0, 1280, 800), false, true, 3));

    selectDefaultMonitor(c, monitors);

    EXPECT_EQ(c.mapping.screenIndex, 1u);
    EXPECT_EQ(c.mapping.part, QRect(0, 0, 1920, 1200));
    EXPECT_EQ(c.mapping.rotation, 1);
}

TEST(ConfigureMonitorLayout, PenDisplayModelWithoutAPenDisplaySelectsNothing)
{
    TabletConfigure c{};
    c.display = true;

    selectDefaultMonitor(c, deskWithoutPenDisplay());

    EXPECT_EQ(c.mapping, MappingConfigure());
}

TEST(ConfigureMonitorLayout, TabletModelTargetsThePrimaryMonitor)
{
    TabletConfigure c{};

    selectDefaultMonitor(c, deskWithoutPenDisplay());

    EXPECT_EQ(c.mapping.screenIndex, 1u);
    EXPECT_EQ(c.mapping.part, QRect(0, 0, 1920, 1080));
    EXPECT_EQ(c.mapping.rotation, 2);
}

TEST(ConfigureMonitorLayout, TabletModelWithoutAPrimaryMonitorSelectsNothing)
{
    TabletConfigure c{};
    ConfigureMonitorList monitors = deskWithoutPenDisplay();
    monitors[1].primary = false;

    selectDefaultMonitor(c, monitors);

    EXPECT_EQ(c.mapping, MappingConfigure());
}

// ---- loading

TEST_F(ConfigureStore, DefaultsOfAPenDisplayModelSelectThePenDisplay)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("D.xml");
    ASSERT_TRUE(writeFile(path, defaultsFile(true)));

    const TabletConfigurePtr c = loadConfigureFrom(path, QString(), true, deskWithPenDisplay());

    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->display);
    EXPECT_EQ(c->version, 0);
    EXPECT_EQ(c->mapping.screenIndex, 1u);
    EXPECT_EQ(c->mapping.part, QRect(0, 0, 1920, 1200));
    EXPECT_EQ(c->mapping.rotation, 1);
    EXPECT_EQ(c->mapping.desktopSize, QSize(3840, 1200));
    EXPECT_EQ(c->common, CommonConfigure());
}

TEST_F(ConfigureStore, DefaultsOfAPenDisplayModelWithoutAPenDisplayKeepScreenZero)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("D.xml");
    ASSERT_TRUE(writeFile(path, defaultsFile(true)));

    const TabletConfigurePtr c = loadConfigureFrom(path, QString(), true, deskWithoutPenDisplay());

    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->mapping.screenIndex, 0u);
    EXPECT_EQ(c->mapping.part, QRect(0, 0, 2560, 1440));
    EXPECT_EQ(c->mapping.rotation, 0);
}

TEST_F(ConfigureStore, UserFileWithoutAScreenPartGetsTheFirstMonitor)
{
    ASSERT_TRUE(writeFile(userConfigPath("U"),
                          "<Configure version=\"3\"><Tablet model=\"U\"><Mapping>"
                          "<Screen index=\"1\"/><Work rotation=\"3\"/></Mapping></Tablet>"
                          "</Configure>"));

    const TabletConfigurePtr c = loadConfigure("U", false, deskWithPenDisplay());

    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->mapping.part, QRect(0, 0, 1920, 1080));
    EXPECT_EQ(c->mapping.screenIndex, 1u);
    EXPECT_EQ(c->mapping.rotation, 3);
}

TEST_F(ConfigureStore, UserFileKeepsItsScreenChoiceEvenForAPenDisplayModel)
{
    ASSERT_TRUE(writeFile(userConfigPath("U"),
                          "<Configure><Tablet model=\"U\" display=\"true\"><Mapping>"
                          "<Screen index=\"0\" part=\"0,0,100,100\"/></Mapping></Tablet>"
                          "</Configure>"));

    const TabletConfigurePtr c = loadConfigure("U", false, deskWithPenDisplay());

    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->mapping.screenIndex, 0u);
    EXPECT_EQ(c->mapping.part, QRect(0, 0, 100, 100));
}

TEST_F(ConfigureStore, UserFileIsReadTogetherWithTheCommonSettings)
{
    CommonConfigure common;
    common.language = 2;
    common.message = false;
    ASSERT_TRUE(saveCommonSettings(common));
    ASSERT_TRUE(writeFile(userConfigPath("U"), "<Configure><Tablet model=\"U\"/></Configure>"));

    const TabletConfigurePtr c = loadConfigure("U", false, {});

    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->common, common);
}

TEST_F(ConfigureStore, MissingOrBrokenUserFileGivesNothingAndIsNotRewritten)
{
    EXPECT_EQ(loadConfigure("Nothing", false, deskWithPenDisplay()), nullptr);
    EXPECT_FALSE(QFileInfo::exists(userConfigPath("Nothing")));

    const QByteArray broken = "<?xml version=\"1.0\"?>\n<Configure version=\"3\">\n<Pen>";
    ASSERT_TRUE(writeFile(userConfigPath("Broken"), broken));
    EXPECT_EQ(loadConfigure("Broken", false, deskWithPenDisplay()), nullptr);
    EXPECT_EQ(readFile(userConfigPath("Broken")), broken);
}

TEST_F(ConfigureStore, DefaultsOfAModelWithoutResourceGiveNothing)
{
    EXPECT_EQ(loadConfigure("NoSuchModel", true, deskWithPenDisplay()), nullptr);
}

// ---- saving

TEST_F(ConfigureStore, SavedConfigurationLoadsBackWithItsCommonSettings)
{
    setCurrentConfigure(std::make_shared<TabletConfigure>(sample("S1")));

    bool commonSaved = false;
    ASSERT_TRUE(saveConfigure(&commonSaved));
    EXPECT_TRUE(commonSaved);
    const TabletConfigurePtr c = loadConfigure("S1", false, {});

    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->model, "S1");
    EXPECT_EQ(c->pid, 0x0021);
    EXPECT_EQ(c->pen.step, 7);
    expectSameActions(c->pen.buttons, sample("S1").pen.buttons);
    expectSameActions(c->hotkey.keys, sample("S1").hotkey.keys);
    EXPECT_EQ(c->mapping.part, QRect(0, 0, 800, 600));
    EXPECT_EQ(c->mapping.screenIndex, 1u);
    EXPECT_EQ(c->common, sample("S1").common);
}

TEST_F(ConfigureStore, SavedFilesAreTheModelFileAndCommXml)
{
    setCurrentConfigure(std::make_shared<TabletConfigure>(sample("S2")));

    ASSERT_TRUE(saveConfigure());

    QDomDocument model;
    ASSERT_TRUE(XmlFile::read(configDir() + "/usr/S2.xml", model));
    EXPECT_EQ(model.documentElement().tagName(), "Configure");
    QDomDocument common;
    ASSERT_TRUE(XmlFile::read(configDir() + "/comm.xml", common));
    EXPECT_EQ(common.documentElement().tagName(), "Genercal");
}

TEST_F(ConfigureStore, PenDisplayModelReadsBackFromTheUserFileAsNoDisplay)
{
    TabletConfigure c = sample("S3");
    c.display = true;
    setCurrentConfigure(std::make_shared<TabletConfigure>(c));
    ASSERT_TRUE(saveConfigure());

    const TabletConfigurePtr read = loadConfigure("S3", false, {});

    ASSERT_NE(read, nullptr);
    EXPECT_FALSE(read->display);
}

TEST_F(ConfigureStore, ConfigurationWithoutAModelNameIsNotSaved)
{
    setCurrentConfigure(std::make_shared<TabletConfigure>(sample("")));
    bool commonSaved = true;

    EXPECT_FALSE(saveConfigure(&commonSaved));

    EXPECT_FALSE(commonSaved);
    EXPECT_EQ(QDir(userConfigDir()).entryList(QDir::Files), QStringList());
    EXPECT_FALSE(QFileInfo::exists(configDir() + "/comm.xml"));
}

TEST_F(ConfigureStore, ModelFileThatCannotBeWrittenFailsAndLeavesTheCommonFileAlone)
{
    const QByteArray oldCommon = "<Genercal><Language id=\"3\"/></Genercal>";
    ASSERT_TRUE(writeFile(commonSettingsPath(), oldCommon));
    ASSERT_TRUE(QDir().mkpath(userConfigPath("S4")));
    setCurrentConfigure(std::make_shared<TabletConfigure>(sample("S4")));
    bool commonSaved = true;

    EXPECT_FALSE(saveConfigure(&commonSaved));

    EXPECT_FALSE(commonSaved);
    EXPECT_TRUE(QFileInfo(userConfigPath("S4")).isDir());
    EXPECT_EQ(readFile(commonSettingsPath()), oldCommon);
}

TEST_F(ConfigureStore, CommonFileThatCannotBeWrittenIsReportedApart)
{
    ASSERT_TRUE(QDir().mkpath(commonSettingsPath()));
    setCurrentConfigure(std::make_shared<TabletConfigure>(sample("S5")));
    bool commonSaved = true;

    EXPECT_TRUE(saveConfigure(&commonSaved));

    EXPECT_FALSE(commonSaved);
    EXPECT_NE(loadConfigure("S5", false, {}), nullptr);
    EXPECT_TRUE(QFileInfo(commonSettingsPath()).isDir());
}

// A name that still fits the file system but leaves no room for the temporary file's suffix,
// so the write fails before the old file could be touched.
TEST_F(ConfigureStore, FailedSaveKeepsTheOldModelFileWhole)
{
    const QString model(250, 'm');
    const QByteArray old = configureDocument(sample(model)).toByteArray(4);
    if (!writeFile(userConfigPath(model), old))
        GTEST_SKIP() << "this file system takes no 254-character names";
    TabletConfigure changed = sample(model);
    changed.pen.step = 2;
    setCurrentConfigure(std::make_shared<TabletConfigure>(changed));

    EXPECT_FALSE(saveConfigure());

    EXPECT_EQ(readFile(userConfigPath(model)), old);
}

TEST_F(ConfigureStore, SavingToGivenPathsWritesBothFiles)
{
    QTemporaryDir folder;
    bool commonSaved = false;

    ASSERT_TRUE(saveConfigureTo(sample("S6"), folder.filePath("a.xml"), folder.filePath("c.xml"),
                                &commonSaved));

    EXPECT_TRUE(commonSaved);
    const TabletConfigurePtr read =
            loadConfigureFrom(folder.filePath("a.xml"), folder.filePath("c.xml"), false, {});
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->model, "S6");
    EXPECT_EQ(read->common, sample("S6").common);
}
