#include "engine/apps/AppProfileChoice.h"

#include "engine/support/ActionJournal.h"

#include <gtest/gtest.h>

namespace {

AppProfile profile(const char *name, const char *path)
{
    AppProfile app;
    app.name = QString::fromUtf8(name);
    app.path = QString::fromUtf8(path);
    return app;
}

ProcessEntry program(const char *name, const char *path)
{
    ProcessEntry process;
    process.name = QString::fromUtf8(name).toUpper();
    process.path = QString::fromUtf8(path);
    return process;
}

} // namespace

TEST(AppProfileChoice, Sai2TakesASaiProfile)
{
    const AppProfileList profiles = {profile("krita", "C:\\Krita\\krita.exe"), profile("sai", "C:\\SAI\\sai.exe")};
    const AppProfile *chosen = currentAppProfileEntry(profiles, program("sai2", "C:\\SAI2\\sai2.exe"));
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->name, QStringLiteral("sai"));
}

TEST(AppProfileChoice, AnExactPathEarlierInTheListComesFirst)
{
    const AppProfileList profiles = {profile("My SAI2", "C:\\SAI2\\sai2.exe"), profile("sai", "C:\\SAI\\sai.exe")};
    const AppProfile *chosen = currentAppProfileEntry(profiles, program("sai2", "C:\\SAI2\\sai2.exe"));
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->name, QStringLiteral("My SAI2"));

    const AppProfileList later = {profile("sai", "C:\\SAI\\sai.exe"), profile("My SAI2", "C:\\SAI2\\sai2.exe")};
    EXPECT_EQ(currentAppProfileEntry(later, program("sai2", "C:\\SAI2\\sai2.exe"))->name, QStringLiteral("sai"))
            << "list order decides; the family match comes first here";
}

TEST(AppProfileChoice, TwoPhotoshopVersionsShareAProfile)
{
    const AppProfileList profiles = {profile("Photoshop", "C:\\Adobe\\Adobe Photoshop CS6\\Photoshop.exe")};
    const AppProfile *chosen =
            currentAppProfileEntry(profiles, program("Photoshop", "C:\\Adobe\\Adobe Photoshop 2021\\Photoshop.exe"));
    EXPECT_EQ(chosen, &profiles.at(0));
}

TEST(AppProfileChoice, AnUnknownProgramMatchesOnlyByExactPath)
{
    const AppProfileList profiles = {profile("notepad", "C:\\Tools\\notepad.exe"), profile("other", "C:\\Other\\notepad.exe")};
    EXPECT_EQ(currentAppProfileEntry(profiles, program("notepad", "C:\\Other\\notepad.exe")), &profiles.at(1));
    EXPECT_EQ(currentAppProfileEntry(profiles, program("notepad", "C:\\Third\\notepad.exe")), nullptr);
    EXPECT_EQ(currentAppProfileEntry(profiles, program("notepad", "c:\\tools\\notepad.exe")), nullptr)
            << "the path comparison is exact";
}

TEST(AppProfileChoice, TheForegroundProgramsProfileIsCopiedOut)
{
    FixedForeground foreground;
    AppProfileList profiles = {profile("krita", "C:\\Krita\\krita.exe")};
    AppProfile copy;
    EXPECT_FALSE(currentAppProfile(foreground, profiles, copy)) << "no foreground program";
    EXPECT_EQ(currentAppProfileEntry(foreground, profiles), nullptr);

    foreground.set(QStringLiteral("krita"), QStringLiteral("D:\\Portable\\krita.exe"));
    ASSERT_TRUE(currentAppProfile(foreground, profiles, copy));
    EXPECT_EQ(copy.name, QStringLiteral("krita"));
    AppProfile *entry = currentAppProfileEntry(foreground, profiles);
    ASSERT_NE(entry, nullptr);
    entry->path = QStringLiteral("D:\\Portable\\krita.exe");
    EXPECT_EQ(profiles.at(0).path, QStringLiteral("D:\\Portable\\krita.exe")) << "the entry is the list's own";
}

TEST(AppProfileChoice, TheProfileOfASnapshotKeepsTheSnapshotAlive)
{
    auto snapshot = std::make_shared<const AppProfileList>(AppProfileList{profile("krita", "C:\\Krita\\krita.exe")});
    std::weak_ptr<const AppProfileList> watch = snapshot;
    std::shared_ptr<const AppProfile> chosen = currentAppProfile(program("krita", "C:\\Krita\\krita.exe"), snapshot);
    snapshot.reset();
    ASSERT_TRUE(chosen);
    EXPECT_FALSE(watch.expired());
    EXPECT_EQ(chosen->name, QStringLiteral("krita"));
    chosen.reset();
    EXPECT_TRUE(watch.expired());
    EXPECT_FALSE(currentAppProfile(program("krita", "x"), AppProfileSnapshot()));
}
