#include "config/profiles/ProfileFileName.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

namespace {

struct NameRow
{
    QString name;
    QString expected;
};

AppProfile named(const QString &name, const QString &fileName = QString())
{
    AppProfile profile;
    profile.name = name;
    profile.fileName = fileName;
    return profile;
}

} // namespace

TEST(ProfileFileName, PlainNamesStayAsTheyAre)
{
    const NameRow rows[] = {
        {"Painter", "Painter"},
        {"Paint Studio 2", "Paint Studio 2"},
        {"Zeichnen & Malen", "Zeichnen & Malen"},
        {QString::fromUtf8("画图"), QString::fromUtf8("画图")},
        {"app.exe", "app.exe"},
        {"CONSOLE", "CONSOLE"},
        {"COM10", "COM10"},
    };
    for (const NameRow &row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        EXPECT_EQ(ProfileFileName::fromName(row.name), row.expected);
    }
}

TEST(ProfileFileName, UnsafeNamesBecomeNamesThatStayInTheFolder)
{
    const NameRow rows[] = {
        {"a/b", "a_b"},
        {"a\\b", "a_b"},
        {"../../evil", "_.._evil"},
        {"..", "Application"},
        {".", "Application"},
        {"", "Application"},
        {"   ", "Application"},
        {"<>:\"/\\|?*", "_________"},
        {QString("tab\there"), "tab_here"},
        {QString("new\nline"), "new_line"},
        {QString("nul") + QChar(0) + "char", "nul_char"},
        {QString("del") + QChar(0x7f), "del_"},
        {"C:\\Tools\\paint.exe", "C__Tools_paint.exe"},
        {"trailing dots...", "trailing dots"},
        {" spaced ", "spaced"},
        {".hidden", "hidden"},
    };
    for (const NameRow &row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        EXPECT_EQ(ProfileFileName::fromName(row.name), row.expected);
    }
}

TEST(ProfileFileName, ReservedDeviceNamesGetAPrefixWithOrWithoutExtension)
{
    const NameRow rows[] = {
        {"CON", "_CON"},   {"con", "_con"},         {"Nul", "_Nul"},
        {"PRN", "_PRN"},   {"AUX", "_AUX"},         {"COM1", "_COM1"},
        {"lpt9", "_lpt9"}, {"nul.txt", "_nul.txt"}, {"CON .x", "_CON .x"},
    };
    for (const NameRow &row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        EXPECT_EQ(ProfileFileName::fromName(row.name), row.expected);
    }
}

TEST(ProfileFileName, OverlongNamesAreCut)
{
    const QString name = ProfileFileName::fromName(QString(300, 'a'));

    EXPECT_EQ(name, QString(100, 'a'));
}

TEST(ProfileFileName, CutNeverSplitsASurrogatePair)
{
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E");
    const QString name = ProfileFileName::fromName(QString(99, 'a') + clef + "tail");

    EXPECT_EQ(name, QString(99, 'a'));
}

TEST(ProfileFileName, RepeatedNamesAreNumberedWhateverTheirCase)
{
    const AppProfileList profiles = {named("Paint"), named("paint"), named("PAINT"),
                                     named("Other"), named("Paint (2)")};

    EXPECT_EQ(ProfileFileName::forProfiles(profiles),
              (QStringList{"Paint.xml", "paint (2).xml", "PAINT (3).xml", "Other.xml",
                           "Paint (2) (2).xml"}));
}

TEST(ProfileFileName, NamesThatBecomeEqualWhenMadeSafeAreNumberedToo)
{
    const AppProfileList profiles = {named("a/b"), named("a\\b"), named("a_b"), named("")};

    EXPECT_EQ(ProfileFileName::forProfiles(profiles),
              (QStringList{"a_b.xml", "a_b (2).xml", "a_b (3).xml", "Application.xml"}));
}

// "X (2).xml" sorts before "X.xml", so the profiles of two programs X load in that order.
TEST(ProfileFileName, ProfilesKeepTheirFilesAndNewOnesTakeNoFileOfTheFolder)
{
    const AppProfileList profiles = {named("New"), named("X", "X (2).xml"), named("X", "X.xml"),
                                     named("Copy", "x.XML"), named("Old"), named("X")};

    EXPECT_EQ(ProfileFileName::forProfiles(profiles, {"Old.xml", "X.xml", "X (2).xml"}),
              (QStringList{"New.xml", "X (2).xml", "X.xml", "Copy.xml", "Old (2).xml",
                           "X (3).xml"}));
}

TEST(ProfileFileName, EmptyListGivesNoNames)
{
    EXPECT_TRUE(ProfileFileName::forProfiles({}).isEmpty());
}
