#include "config/profiles/AppProfileStore.h"

#include "config/platform/DataFolders.h"
#include "config/profiles/AppProfileFile.h"
#include "config/xml/XmlFile.h"

#include "config/support/IsolatedDataLocation.h"
#include "config/support/StoreExpectations.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QDir>
#include <QMap>
#include <QTemporaryDir>

using namespace store_test;

namespace {

class AppProfileStore : public testing::Test
{
protected:
    void SetUp() override
    {
        IsolatedDataLocation::clear();
        ASSERT_TRUE(programs.isValid());
        ASSERT_TRUE(folder.isValid());
    }

    void TearDown() override { setAppProfiles(AppProfileList()); }

    // A profile whose executable exists.
    AppProfile profile(const QString &name, const QString &program = QString())
    {
        const QString path = programs.filePath((program.isEmpty() ? QString("program") : program)
                                               + ".exe");
        EXPECT_TRUE(QFileInfo::exists(path) || writeFile(path, "MZ"));
        AppProfile p;
        p.name = name;
        p.path = path;
        p.keys = {{1, keyboard(name)}};
        return p;
    }

    QStringList files() const
    {
        return QDir(folder.path()).entryList(QDir::Files, QDir::Name);
    }

    QString file(const QString &name) const { return folder.filePath(name); }

    QTemporaryDir programs;
    QTemporaryDir folder;
};

QStringList names(const AppProfileList &profiles)
{
    QStringList result;
    for (const AppProfile &p : profiles)
        result << p.name;
    return result;
}

} // namespace

TEST_F(AppProfileStore, SavedProfilesLoadBackInFileNameOrder)
{
    const AppProfileList saved = {profile("Zeta"), profile("Alpha"), profile("Mid")};

    ASSERT_TRUE(saveAppProfilesTo(saved, folder.path()));
    const AppProfileList loaded = loadAppProfilesFrom(folder.path());

    EXPECT_EQ(files(), (QStringList{"Alpha.xml", "Mid.xml", "Zeta.xml"}));
    EXPECT_EQ(names(loaded), (QStringList{"Alpha", "Mid", "Zeta"}));
    ASSERT_EQ(loaded.size(), 3);
    EXPECT_EQ(loaded[0].path, saved[1].path);
    expectSameActions(loaded[0].keys, saved[1].keys);
    EXPECT_TRUE(loaded[0].icon.isNull());
}

TEST_F(AppProfileStore, EachProfileTakesTheIconOfItsExecutable)
{
    const AppProfile one = profile("One", "one");
    const AppProfile two = profile("Two", "two");
    ASSERT_TRUE(saveAppProfilesTo({one, two}, folder.path()));
    QStringList asked;
    const QIcon icon = markerIcon();

    const AppProfileList loaded = loadAppProfilesFrom(folder.path(), [&](const QString &path) {
        asked << path;
        return icon;
    });

    EXPECT_EQ(asked, (QStringList{one.path, two.path}));
    ASSERT_EQ(loaded.size(), 2);
    EXPECT_EQ(loaded[0].icon.cacheKey(), icon.cacheKey());
}

TEST_F(AppProfileStore, ProfileOfARemovedProgramIsDroppedButItsFileStays)
{
    const AppProfile kept = profile("Kept", "kept");
    const AppProfile gone = profile("Gone", "gone");
    ASSERT_TRUE(saveAppProfilesTo({kept, gone}, folder.path()));
    ASSERT_TRUE(QFile::remove(gone.path));

    EXPECT_EQ(names(loadAppProfilesFrom(folder.path())), QStringList{"Kept"});
    EXPECT_EQ(files(), (QStringList{"Gone.xml", "Kept.xml"}));
}

TEST_F(AppProfileStore, ProfileWithoutPathOrWithAFolderAsPathIsDropped)
{
    AppProfile noPath = profile("NoPath");
    noPath.path.clear();
    AppProfile folderPath = profile("Folder");
    folderPath.path = programs.path();
    ASSERT_TRUE(saveAppProfilesTo({noPath, folderPath}, folder.path()));

    EXPECT_TRUE(loadAppProfilesFrom(folder.path()).isEmpty());
}

TEST_F(AppProfileStore, FilesThatAreNotProfilesAreSkipped)
{
    ASSERT_TRUE(saveAppProfilesTo({profile("Good")}, folder.path()));
    ASSERT_TRUE(writeFile(file("Empty.xml"), ""));
    ASSERT_TRUE(writeFile(file("NoChild.xml"), "<Application name=\"N\" path=\"" +
                                                       profile("N").path.toUtf8() + "\"/>"));
    ASSERT_TRUE(writeFile(file("Good.txt"), "<Application><Hotkey/></Application>"));
    ASSERT_TRUE(QDir().mkpath(file("Folder.xml")));

    EXPECT_EQ(names(loadAppProfilesFrom(folder.path())), QStringList{"Good"});
}

TEST_F(AppProfileStore, UnsafeNamesGiveSafeFilesAndKeepTheirNames)
{
    const AppProfileList saved = {profile("../escape"), profile("a:b*c"), profile("CON"),
                                  profile("")};

    ASSERT_TRUE(saveAppProfilesTo(saved, folder.path()));

    EXPECT_EQ(files(), (QStringList{"Application.xml", "_CON.xml", "_escape.xml", "a_b_c.xml"}));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(folder.path()).path() + "/escape.xml"));
    QStringList loadedNames = names(loadAppProfilesFrom(folder.path()));
    loadedNames.sort();
    EXPECT_EQ(loadedNames, (QStringList{"", "../escape", "CON", "a:b*c"}));
}

TEST_F(AppProfileStore, DuplicateNamesGetFilesOfTheirOwn)
{
    const AppProfileList saved = {profile("Paint"), profile("paint"), profile("Paint")};

    ASSERT_TRUE(saveAppProfilesTo(saved, folder.path()));

    EXPECT_EQ(files().size(), 3);
    EXPECT_TRUE(QFileInfo::exists(file("Paint.xml")));
    EXPECT_TRUE(QFileInfo::exists(file("paint (2).xml")));
    EXPECT_TRUE(QFileInfo::exists(file("Paint (3).xml")));
    EXPECT_EQ(loadAppProfilesFrom(folder.path()).size(), 3);
}

TEST_F(AppProfileStore, SavingDeletesStaleProfileFilesOnly)
{
    ASSERT_TRUE(saveAppProfilesTo({profile("Old"), profile("Both")}, folder.path()));
    ASSERT_TRUE(writeFile(file("notes.txt"), "keep me"));
    AppProfileList profiles = loadAppProfilesFrom(folder.path());
    ASSERT_EQ(names(profiles), (QStringList{"Both", "Old"}));
    profiles[1] = profile("New");

    ASSERT_TRUE(saveAppProfilesTo(profiles, folder.path()));

    EXPECT_EQ(files(), (QStringList{"Both.xml", "New.xml", "notes.txt"}));
}

TEST_F(AppProfileStore, SavingAnEmptyListLeavesNoProfileFile)
{
    ASSERT_TRUE(saveAppProfilesTo({profile("A"), profile("B")}, folder.path()));

    ASSERT_TRUE(saveAppProfilesTo({}, folder.path()));

    EXPECT_EQ(files(), QStringList());
    EXPECT_TRUE(loadAppProfilesFrom(folder.path()).isEmpty());
}

// Two programs of one name: "X (2).xml" sorts before "X.xml", so the second program's profile
// loads first; the third write of the save fails.
TEST_F(AppProfileStore, FailurePartWayKeepsEveryOldProfileFileByteForByte)
{
    ASSERT_TRUE(saveAppProfilesTo({profile("X", "one"), profile("X", "two"), profile("Old")},
                                  folder.path()));
    QMap<QString, QByteArray> before;
    for (const QString &name : files())
        before[name] = readFile(file(name));
    AppProfileList profiles = loadAppProfilesFrom(folder.path());
    ASSERT_EQ(names(profiles), (QStringList{"Old", "X", "X"}));
    profiles[0] = profile("Old", "new");
    profiles.insert(2, profile("Blocked"));
    ASSERT_TRUE(QDir().mkpath(file("Blocked.xml")));

    EXPECT_FALSE(saveAppProfilesTo(profiles, folder.path()));

    for (auto old = before.cbegin(); old != before.cend(); ++old)
        EXPECT_EQ(readFile(file(old.key())), old.value()) << old.key().toStdString();
}

TEST_F(AppProfileStore, ProcessWideListIsSavedToAndLoadedFromTheProfileFolder)
{
    setAppProfiles({profile("Global")});

    ASSERT_TRUE(saveAppProfiles());
    ASSERT_TRUE(saveAppProfiles()) << "the second save keeps the first one's file";

    EXPECT_EQ(QDir(appProfileDir()).entryList({"*.xml"}, QDir::Files), QStringList{"Global.xml"});
    EXPECT_EQ(names(loadAppProfiles()), QStringList{"Global"});
    setAppProfiles({});
    ASSERT_TRUE(saveAppProfiles());
    EXPECT_EQ(QDir(appProfileDir()).entryList({"*.xml"}, QDir::Files), QStringList());
}
