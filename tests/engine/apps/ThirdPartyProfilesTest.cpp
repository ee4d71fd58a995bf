#include "engine/apps/ThirdPartyProfiles.h"

#include "engine/actions/ToolShortcuts.h"
#include "engine/apps/ApplicationCodes.h"
#include "engine/support/SourceTreePath.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString folder()
{
    return sourceTreePath(QStringLiteral("res/third")) + QLatin1Char('/');
}

ProcessEntry program(const char *name, const char *path = "C:\\Apps\\program.exe")
{
    ProcessEntry process;
    process.name = QString::fromUtf8(name).toUpper();
    process.path = QString::fromUtf8(path);
    return process;
}

const ThirdPartyProfile &only(const ThirdPartyProfiles &profiles, ApplicationCode family)
{
    return profiles.profilesOf(family).front();
}

constexpr int kAllPlatforms = ThirdPartyProfile::Windows | ThirdPartyProfile::MacOS | ThirdPartyProfile::Linux;
constexpr int kBothProtocols = ThirdPartyProfile::Wintab | ThirdPartyProfile::Ink;

} // namespace

TEST(ThirdPartyProfiles, ThirtyFiveFilesHold48Profiles)
{
    ASSERT_EQ(ThirdPartyProfiles::fileNames().size(), 35);
    for (const QString &name : ThirdPartyProfiles::fileNames()) {
        ThirdPartyProfiles one;
        EXPECT_TRUE(one.readFile(folder() + name + QStringLiteral(".json"))) << name.toStdString();
        EXPECT_FALSE(one.profilesOf(applicationCodeOfName(name)).empty()) << name.toStdString() << " names itself";
    }
    const ThirdPartyProfiles profiles = ThirdPartyProfiles::load(folder());
    EXPECT_EQ(profiles.profileCount(), 48u);
    EXPECT_EQ(profiles.profilesOf(6).size(), 10u);
    EXPECT_EQ(profiles.profilesOf(1).size(), 3u);
    EXPECT_EQ(profiles.profilesOf(7).size(), 2u);
    EXPECT_EQ(profiles.profilesOf(3).size(), 2u);
    EXPECT_TRUE(profiles.profilesOf(kUnrecognisedApplicationCode).empty()) << "every name is in the name table";
}

TEST(ThirdPartyProfiles, TheDefaultsHoldForMostApplications)
{
    const ThirdPartyProfiles profiles = ThirdPartyProfiles::load(folder());
    for (const char *name : {"AffinityPhoto", "Animate", "ArtRage", "AzPainter", "BlackInk", "Drawpile", "FireAlpaca",
                             "FlipaClip", "IllustMaster", "MediBang", "Mischief", "SmoothDraw", "SpeedyPainter",
                             "Vectornator"}) {
        const ThirdPartyProfile &profile = only(profiles, applicationCodeOfName(QString::fromUtf8(name)));
        EXPECT_EQ(profile.name, QString::fromUtf8(name));
        EXPECT_EQ(profile.version, 0) << name;
        EXPECT_EQ(profile.platforms, kAllPlatforms) << name;
        EXPECT_EQ(profile.protocols, kBothProtocols) << name;
        EXPECT_EQ(profile.penShortcut, QStringLiteral("B")) << name;
        EXPECT_EQ(profile.eraserShortcut, QStringLiteral("E")) << name;
        EXPECT_EQ(profile.reserved, 0);
    }
}

TEST(ThirdPartyProfiles, ApplicationsWithShortcutsOfTheirOwn)
{
    const ThirdPartyProfiles profiles = ThirdPartyProfiles::load(folder());
    const auto shortcuts = [&](const char *name) {
        const ThirdPartyProfile &profile = only(profiles, applicationCodeOfName(QString::fromUtf8(name)));
        return (profile.penShortcut + QLatin1Char('|') + profile.eraserShortcut).toStdString();
    };
    EXPECT_EQ(shortcuts("Blender"), "|");
    EXPECT_EQ(shortcuts("CorelPainter"), "B|N");
    EXPECT_EQ(shortcuts("GIMP"), "P|Shift+E");
    EXPECT_EQ(shortcuts("GoodNotes"), "P|E");
    EXPECT_EQ(shortcuts("HarmonyPremium"), "ALT+B|ALT+E");
    EXPECT_EQ(shortcuts("Illustrator"), "B|Shift+E");
    EXPECT_EQ(shortcuts("InkScape"), "Ctrl+F6|Shift+E");
    EXPECT_EQ(shortcuts("Krita"), "E|E");
    EXPECT_EQ(shortcuts("MS_EXDemo"), "P|E");
    EXPECT_EQ(shortcuts("MyPaint"), "E|E");
    EXPECT_EQ(shortcuts("NiBoard"), "Command+D|Command+E");
    EXPECT_EQ(shortcuts("Notability"), "Command+2|Command+4");
    EXPECT_EQ(shortcuts("OpenToonz"), "B|A");
    EXPECT_EQ(shortcuts("Paintstorm"), "P|E");
    EXPECT_EQ(shortcuts("SAI"), "V|E");
    EXPECT_EQ(shortcuts("SketchBook"), "E|E");
    EXPECT_EQ(shortcuts("UDMPaintPRO"), "P|E");
    EXPECT_EQ(shortcuts("WhiteBoard"), "Command+E|Command+E");
    EXPECT_EQ(shortcuts("CLIPStudioPaint"), "B|E");
    EXPECT_EQ(only(profiles, 11).platforms, ThirdPartyProfile::Windows | ThirdPartyProfile::MacOS);
    EXPECT_EQ(only(profiles, 5).platforms, ThirdPartyProfile::Windows | ThirdPartyProfile::MacOS);
}

TEST(ThirdPartyProfiles, VersionedProfilesInFileOrder)
{
    const ThirdPartyProfiles profiles = ThirdPartyProfiles::load(folder());
    std::vector<int> photoshop;
    for (const ThirdPartyProfile &profile : profiles.profilesOf(6)) {
        photoshop.push_back(profile.version);
        EXPECT_EQ(profile.platforms, ThirdPartyProfile::Windows | ThirdPartyProfile::MacOS);
        EXPECT_EQ(profile.code, 6u);
    }
    EXPECT_EQ(photoshop, (std::vector<int>{0, 18, 19, 20, 21, 22, 23, 24, 25, 26}));

    const std::vector<ThirdPartyProfile> &sai = profiles.profilesOf(1);
    ASSERT_EQ(sai.size(), 3u);
    EXPECT_EQ(sai[0].version, 0) << "written as the text \"0\"";
    EXPECT_EQ(sai[1].version, 1);
    EXPECT_EQ(sai[2].version, 2);
    EXPECT_EQ(sai[0].platforms, int(ThirdPartyProfile::Windows));
    EXPECT_EQ(sai[0].protocols, kBothProtocols);
    EXPECT_EQ(sai[1].protocols, int(ThirdPartyProfile::Wintab));
    EXPECT_EQ(sai[2].protocols, kBothProtocols);
    EXPECT_EQ(profiles.profilesOf(7)[1].version, 10);
    EXPECT_EQ(profiles.profilesOf(3)[1].version, 15);
}

TEST(ThirdPartyProfiles, ShortcutsOfAFamilyCodeComeFromItsFirstProfile)
{
    const ThirdPartyProfiles profiles = ThirdPartyProfiles::load(folder());
    ShortcutEntries entries;
    ASSERT_TRUE(profiles.shortcuts(program("sai"), entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].first, QStringLiteral("Pen"));
    EXPECT_EQ(entries[0].second, QStringLiteral("V"));
    EXPECT_EQ(entries[1].first, QStringLiteral("Eraser"));
    EXPECT_EQ(entries[1].second, QStringLiteral("E"));
}

TEST(ThirdPartyProfiles, AVersionCodeAddsThePairOfItsVersion)
{
    ThirdPartyProfiles profiles;
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    QFile file(temporary.filePath(QStringLiteral("Photoshop.json")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"([{"#": "comment"},
                   {"name": "Photoshop", "version": 0, "hotkey": {"pen": "B", "eraser": "E"}},
                   {"name": "Photoshop", "version": 18, "hotkey": {"pen": "Shift+B", "eraser": "Shift+E"}},
                   42])");
    file.close();
    ASSERT_TRUE(profiles.readFile(file.fileName()));
    EXPECT_EQ(profiles.profileCount(), 2u) << "the comment and the number are no profiles";

    ShortcutEntries entries;
    ASSERT_TRUE(profiles.shortcuts(program("Photoshop", "C:\\Adobe\\Adobe Photoshop CC 2018\\Photoshop.exe"), entries));
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[2].second, QStringLiteral("Shift+B"));
    EXPECT_EQ(entries[3].second, QStringLiteral("Shift+E"));
    const ToolShortcuts chosen = ToolShortcuts::fromEntries(entries);
    EXPECT_EQ(chosen.pen, QStringLiteral("Shift+B"));
    EXPECT_EQ(chosen.eraser, QStringLiteral("Shift+E"));

    entries.clear();
    ASSERT_TRUE(profiles.shortcuts(program("Photoshop", "C:\\Adobe\\Adobe Photoshop CS6\\Photoshop.exe"), entries));
    EXPECT_EQ(entries.size(), 2u) << "no profile of version 6";
}

TEST(ThirdPartyProfiles, UnknownProgramsAndMissingFilesGiveNothing)
{
    const ThirdPartyProfiles profiles = ThirdPartyProfiles::load(folder());
    ShortcutEntries entries;
    EXPECT_FALSE(profiles.shortcuts(program("notepad"), entries));
    EXPECT_FALSE(profiles.shortcuts(program("Artweaver"), entries)) << "a known code without a file";
    EXPECT_TRUE(entries.empty());

    ThirdPartyProfiles none = ThirdPartyProfiles::load(QStringLiteral("/no/such/folder/"));
    EXPECT_TRUE(none.isEmpty());
    EXPECT_FALSE(none.readFile(folder() + QStringLiteral("ProcessFillter.json"))) << "an object, not an array";
}

TEST(ThirdPartyProfiles, TheDefaultPairWhenNoneIsKnown)
{
    const ToolShortcuts shortcuts = ToolShortcuts::fromEntries({});
    EXPECT_EQ(shortcuts.pen, QStringLiteral("B"));
    EXPECT_EQ(shortcuts.eraser, QStringLiteral("E"));
}

TEST(ThirdPartyProfiles, ApplicationsThatGetNoToolShortcut)
{
    for (ApplicationCode code : {2u, 3u, 7u, 42u, 192u, 193u, 194u, 258u, 783u, 1800u, 1802u, 1536u, 1557u, 1791u})
        EXPECT_TRUE(ToolShortcuts::sendsNothingTo(code, false)) << code;
    for (ApplicationCode code : {1u, 6u, 1542u, 1792u, 11u})
        EXPECT_FALSE(ToolShortcuts::sendsNothingTo(code, true)) << code;
    EXPECT_TRUE(ToolShortcuts::sendsNothingTo(kUnrecognisedApplicationCode, true));
    EXPECT_FALSE(ToolShortcuts::sendsNothingTo(kUnrecognisedApplicationCode, false));
}

TEST(ThirdPartyProfiles, TheResourceFileListsEveryFileUnderItsPrefix)
{
    QFile qrc(sourceTreePath(QStringLiteral("res/third/third.qrc")));
    ASSERT_TRUE(qrc.open(QIODevice::ReadOnly));
    QDomDocument document;
    ASSERT_TRUE(document.setContent(&qrc));
    const QDomElement resource = document.documentElement().firstChildElement(QStringLiteral("qresource"));
    EXPECT_EQ(QStringLiteral(":") + resource.attribute(QStringLiteral("prefix")) + QLatin1Char('/'),
              ThirdPartyProfiles::kResourcePrefix);
    QStringList listed;
    for (QDomElement file = resource.firstChildElement(QStringLiteral("file")); !file.isNull();
         file = file.nextSiblingElement(QStringLiteral("file")))
        listed.append(file.text());
    QStringList expected;
    for (const QString &name : ThirdPartyProfiles::fileNames())
        expected.append(name + QStringLiteral(".json"));
    expected.append(QStringLiteral("ProcessFillter.json"));
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(QDir(folder()).entryList({QStringLiteral("*.json")}, QDir::Files).size(), 36);
}
