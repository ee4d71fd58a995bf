#include "config/configure/CommonSettings.h"

#include "config/language/TabletLanguage.h"
#include "config/platform/DataFolders.h"
#include "config/xml/XmlFile.h"

#include "config/support/IsolatedDataLocation.h"
#include "config/support/StoreExpectations.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>

#include <functional>

using store_test::attributes;
using store_test::Attributes;
using store_test::readFile;
using store_test::writeFile;

namespace {

constexpr std::uint32_t kSystemLanguage = 7;

QDomElement rootOf(QDomDocument &document, const QByteArray &xml)
{
    EXPECT_TRUE(document.setContent(xml)) << xml.constData();
    return document.documentElement();
}

CommonConfigure readFrom(const QByteArray &xml, CommonConfigure record = {})
{
    QDomDocument document;
    EXPECT_TRUE(readCommonSettings(rootOf(document, xml), record, kSystemLanguage));
    return record;
}

CommonConfigure roundTrip(const CommonConfigure &record)
{
    QDomDocument document;
    EXPECT_TRUE(document.setContent(commonSettingsDocument(record).toByteArray(4)));
    CommonConfigure read;
    EXPECT_TRUE(readCommonSettings(document.documentElement(), read, kSystemLanguage));
    return read;
}

struct SettingRow
{
    const char *field;
    std::function<void(CommonConfigure &)> change;
};

const SettingRow kEverySetting[] = {
    {"language", [](CommonConfigure &c) { c.language = 3; }},
    {"tilt", [](CommonConfigure &c) { c.tilt = !c.tilt; }},
    {"pressureOff", [](CommonConfigure &c) { c.pressureOff = !c.pressureOff; }},
    {"clickOff", [](CommonConfigure &c) { c.clickOff = !c.clickOff; }},
    {"orientation", [](CommonConfigure &c) { c.orientation = !c.orientation; }},
    {"message", [](CommonConfigure &c) { c.message = !c.message; }},
    {"hotkeySync", [](CommonConfigure &c) { c.hotkeySync = !c.hotkeySync; }},
    {"log", [](CommonConfigure &c) { c.log = !c.log; }},
};

CommonConfigure everySettingChanged()
{
    CommonConfigure record;
    for (const SettingRow &row : kEverySetting)
        row.change(record);
    return record;
}

struct LanguageRow
{
    const char *id;
    std::uint32_t expected;
};

struct SwitchRow
{
    const char *value;
    bool on;
};

} // namespace

TEST(CommonSettings, EachSettingSurvivesWritingAndReadingAlone)
{
    CommonConfigure chosenLanguage;
    chosenLanguage.language = 1;
    for (const SettingRow &row : kEverySetting) {
        SCOPED_TRACE(row.field);
        CommonConfigure record = chosenLanguage;
        row.change(record);
        ASSERT_NE(record, chosenLanguage);
        EXPECT_EQ(roundTrip(record), record);
    }
}

TEST(CommonSettings, EverySettingChangedAtOnceSurvivesWritingAndReading)
{
    EXPECT_EQ(roundTrip(everySettingChanged()), everySettingChanged());
    EXPECT_EQ(roundTrip(CommonConfigure()).language, kSystemLanguage);
}

TEST(CommonSettings, WrittenFileHasTheGenercalRootAndItsFourElementsInOrder)
{
    CommonConfigure record;
    record.language = 4;
    record.pressureOff = true;
    record.hotkeySync = true;
    const QDomDocument document = commonSettingsDocument(record);

    EXPECT_TRUE(document.toString(4).startsWith(
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Genercal>\n    <Language"));
    const QDomElement root = document.documentElement();
    EXPECT_EQ(root.tagName(), "Genercal");
    QStringList tags;
    XmlFile::forEachChildElement(root, [&tags](const QDomElement &e) { tags << e.tagName(); });
    EXPECT_EQ(tags, (QStringList{"Language", "Pen", "Tablet", "Application"}));
    EXPECT_EQ(attributes(root.firstChildElement("Language")), (Attributes{{"id", "4"}}));
    EXPECT_EQ(attributes(root.firstChildElement("Pen")),
              (Attributes{{"tilt", "true"}, {"pressure", "false"}, {"click", "true"}}));
    EXPECT_EQ(attributes(root.firstChildElement("Tablet")), (Attributes{{"orientation", "true"}}));
    EXPECT_EQ(attributes(root.firstChildElement("Application")),
              (Attributes{{"message", "true"}, {"hotkeySync", "true"}, {"log", "false"}}));
}

TEST(CommonSettings, LanguageAboveTheLastBecomesTheSystemLanguage)
{
    const LanguageRow rows[] = {
        {"0", 0},   {"10", 10}, {"11", kSystemLanguage}, {"255", kSystemLanguage},
        {"3", 3},   {"abc", 0}, {"-1", 0},               {"70000", 0},
    };
    for (const LanguageRow &row : rows) {
        SCOPED_TRACE(row.id);
        const QByteArray xml = QByteArray("<Genercal><Language id=\"") + row.id + "\"/></Genercal>";
        EXPECT_EQ(readFrom(xml).language, row.expected);
    }
}

TEST(CommonSettings, TwoArgumentReaderTakesTheLanguageOfTheSystemLocale)
{
    QDomDocument document;
    CommonConfigure record;

    readCommonSettings(rootOf(document, "<Genercal><Language id=\"255\"/></Genercal>"), record);

    EXPECT_EQ(record.language, static_cast<std::uint32_t>(TabletLanguage::systemLanguageIndex()));
}

TEST(CommonSettings, PressureAndClickAreOnOnlyForTrueInAnyCaseAndSpacing)
{
    const SwitchRow rows[] = {
        {"true", true},  {"TRUE ", true}, {" True", true},  {"false", false},
        {"yes", false},  {"1", false},    {"", false},      {"truee", false},
    };
    for (const SwitchRow &row : rows) {
        SCOPED_TRACE(row.value);
        const QByteArray xml = QByteArray("<Genercal><Pen pressure=\"") + row.value
                + "\" click=\"" + row.value + "\"/></Genercal>";
        const CommonConfigure record = readFrom(xml);
        EXPECT_EQ(record.pressureOff, !row.on);
        EXPECT_EQ(record.clickOff, !row.on);
    }
}

TEST(CommonSettings, PlainSwitchesAreTrueOnlyForTrueInAnyCaseAndSpacing)
{
    const SwitchRow rows[] = {{" TRUE ", true}, {"true", true}, {"False", false}, {"on", false}};
    for (const SwitchRow &row : rows) {
        SCOPED_TRACE(row.value);
        const QByteArray value(row.value);
        const QByteArray xml = "<Genercal><Pen tilt=\"" + value + "\"/><Tablet orientation=\""
                + value + "\"/><Application message=\"" + value + "\" hotkeySync=\"" + value
                + "\" log=\"" + value + "\"/></Genercal>";
        const CommonConfigure record = readFrom(xml);
        EXPECT_EQ(record.tilt, row.on);
        EXPECT_EQ(record.orientation, row.on);
        EXPECT_EQ(record.message, row.on);
        EXPECT_EQ(record.hotkeySync, row.on);
        EXPECT_EQ(record.log, row.on);
    }
}

TEST(CommonSettings, MissingElementsAndAttributesLeaveTheFieldsAsTheyWere)
{
    const CommonConfigure changed = everySettingChanged();

    EXPECT_EQ(readFrom("<Genercal/>", changed), changed);
    EXPECT_EQ(readFrom("<Genercal><Language/><Pen/><Tablet/><Application/></Genercal>", changed),
              changed);
}

TEST(CommonSettings, ElementsAreFoundByExactTagNameInAnyOrder)
{
    const CommonConfigure record = readFrom("<Genercal><Application log=\"true\"/>"
                                            "<pen tilt=\"false\"/><Language id=\"2\"/></Genercal>");

    EXPECT_TRUE(record.log);
    EXPECT_TRUE(record.tilt);
    EXPECT_EQ(record.language, 2u);
}

TEST(CommonSettings, LoadingReadsTheFileAndSavingReplacesIt)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("comm.xml");

    ASSERT_TRUE(saveCommonSettings(path, everySettingChanged()));
    CommonConfigure read;
    ASSERT_TRUE(loadCommonSettings(path, read));

    EXPECT_EQ(read, everySettingChanged());
}

TEST(CommonSettings, LoadingFailsAndLeavesTheRecordForAMissingBrokenOrForeignFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("comm.xml");
    const CommonConfigure changed = everySettingChanged();
    CommonConfigure record = changed;

    EXPECT_FALSE(loadCommonSettings(path, record));
    ASSERT_TRUE(writeFile(path, "<Genercal><Language id=\"1\"/>"));
    EXPECT_FALSE(loadCommonSettings(path, record));
    ASSERT_TRUE(writeFile(path, "<General><Language id=\"1\"/></General>"));
    EXPECT_FALSE(loadCommonSettings(path, record));
    ASSERT_TRUE(writeFile(path, ""));
    EXPECT_FALSE(loadCommonSettings(path, record));

    EXPECT_EQ(record, changed);
}

TEST(CommonSettings, WithoutAFileInTheFolderEverythingKeepsItsDefaults)
{
    QFile::remove(commonSettingsPath());
    CommonConfigure record;

    EXPECT_FALSE(loadCommonSettings(record));

    EXPECT_EQ(record, CommonConfigure());
}

TEST(CommonSettings, FolderFileIsCommXmlUnderTheConfigurationFolder)
{
    ASSERT_TRUE(saveCommonSettings(everySettingChanged()));
    EXPECT_TRUE(QFileInfo(configDir() + "/comm.xml").isFile());

    CommonConfigure read;
    ASSERT_TRUE(loadCommonSettings(read));
    EXPECT_EQ(read, everySettingChanged());
}

TEST(CommonSettings, AFileThatCannotBeWrittenIsReportedAndNothingIsLeftHalfWritten)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("comm.xml");
    ASSERT_TRUE(QDir().mkpath(path));

    EXPECT_FALSE(saveCommonSettings(path, everySettingChanged()));

    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
}
