#include "config/profiles/AppProfileFile.h"

#include "config/xml/XmlFile.h"

#include "config/support/StoreExpectations.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QTemporaryDir>

using namespace store_test;

namespace {

AppProfile richProfile()
{
    AppProfile p;
    p.name = "Paint Studio";
    p.path = "C:/Program Files/Paint Studio/paint.exe";
    p.icon = markerIcon();
    p.buttons = {{1, keyboard("E")}, {2, misc(TabletMiscAction::PenEraser)}};
    p.keys = {{0, keyboard("Ctrl+Z")}, {4, nullptr}, {5, exec("C:/Tools/x.exe")}};
    p.virtualKeys = {{1, keyboard("typed text", TabletKeyboardAction::TypedText)}};
    DialConfigure dial;
    dial.index = 2;
    dial.pairs = {ActionPair(keyboard("["), keyboard("]")),
                  ActionPair(nullptr, mouse(TabletMouseAction::CtrlWheelDown)),
                  ActionPair(media(TabletMediaAction::VolumeDown), nullptr)};
    p.dials = {{0, dial}, {1, DialConfigure{}}};
    p.touches = {{2, mouse(TabletMouseAction::WheelUp)}, {3, nullptr}};
    return p;
}

void expectSameProfile(const AppProfile &read, const AppProfile &expected)
{
    EXPECT_EQ(read.name, expected.name);
    EXPECT_EQ(read.path, expected.path);
    expectSameActions(read.buttons, expected.buttons);
    expectSameActions(read.keys, expected.keys);
    expectSameActions(read.virtualKeys, expected.virtualKeys);
    expectSameDials(read.dials, expected.dials);
    expectSameActions(read.touches, expected.touches);
}

bool readXml(const QByteArray &xml, AppProfile &profile)
{
    QDomDocument document;
    EXPECT_TRUE(document.setContent(xml)) << xml.constData();
    return readAppProfileDocument(document, profile);
}

QStringList childTags(const QDomElement &parent)
{
    QStringList tags;
    XmlFile::forEachChildElement(parent, [&tags](const QDomElement &e) { tags << e.tagName(); });
    return tags;
}

} // namespace

TEST(AppProfileFile, EveryBindingSurvivesWritingAndReading)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("p.xml");
    ASSERT_TRUE(XmlFile::write(path, appProfileDocument(richProfile())));

    AppProfile read;
    ASSERT_TRUE(readAppProfile(path, read));

    expectSameProfile(read, richProfile());
    EXPECT_TRUE(read.icon.isNull());
}

TEST(AppProfileFile, WrittenDocumentIsApplicationWithOneHotkeyChild)
{
    const QDomDocument document = appProfileDocument(richProfile());
    const QDomElement root = document.documentElement();

    EXPECT_TRUE(document.toString(4).startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"));
    EXPECT_EQ(root.tagName(), "Application");
    EXPECT_EQ(attributes(root), (Attributes{{"name", "Paint Studio"},
                                            {"path", "C:/Program Files/Paint Studio/paint.exe"}}));
    EXPECT_EQ(childTags(root), QStringList{"Hotkey"});
    EXPECT_EQ(attributes(root.firstChildElement()), Attributes());
    EXPECT_EQ(childTags(root.firstChildElement()),
              (QStringList{"Button", "Button", "Key", "Key", "Key", "Key", "Dial", "Dial", "Touch",
                           "Touch"}));
}

TEST(AppProfileFile, KeysDialsAndTouchesAreWrittenAsInTheConfigurationFile)
{
    const QDomElement hotkey =
            appProfileDocument(richProfile()).documentElement().firstChildElement();

    EXPECT_EQ(attributes(hotkey.firstChildElement("Key")),
              (Attributes{{"id", "0"}, {"virtual", "false"}}));
    QDomElement lastKey = hotkey.firstChildElement("Key");
    while (!lastKey.nextSiblingElement("Key").isNull())
        lastKey = lastKey.nextSiblingElement("Key");
    EXPECT_EQ(attributes(lastKey), (Attributes{{"id", "1"}, {"virtual", "true"}}));
    EXPECT_EQ(attributes(hotkey.firstChildElement("Dial")),
              (Attributes{{"id", "0"}, {"index", "2"}}));
    EXPECT_EQ(attributes(hotkey.firstChildElement("Touch")),
              (Attributes{{"id", "1"}, {"event", "2"}}));
}

TEST(AppProfileFile, RootWithoutChildElementIsNotReadAndLeavesTheProfile)
{
    AppProfile profile = richProfile();

    EXPECT_FALSE(readXml("<Application name=\"X\" path=\"C:/x.exe\"/>", profile));
    EXPECT_FALSE(readXml("<Application name=\"X\">text only<!-- c --></Application>", profile));

    expectSameProfile(profile, richProfile());
}

TEST(AppProfileFile, RootAndBindingElementNamesAreNotCompared)
{
    AppProfile profile;

    ASSERT_TRUE(readXml("<Program name=\"X\" path=\"C:/x.exe\"><Bindings>"
                        "<Key id=\"3\"><Action type=\"mouse\" event=\"1\"/></Key>"
                        "</Bindings></Program>",
                        profile));

    EXPECT_EQ(profile.name, "X");
    EXPECT_EQ(profile.path, "C:/x.exe");
    expectSameActions(profile.keys,
                      {{3, std::make_shared<TabletMouseAction>("", TabletMouseAction::LeftClick)}});
}

TEST(AppProfileFile, OnlyTheFirstChildElementHoldsBindings)
{
    AppProfile profile;

    ASSERT_TRUE(readXml("<Application name=\"X\"><Hotkey/><Hotkey>"
                        "<Key id=\"3\"><Action type=\"mouse\" event=\"1\"/></Key>"
                        "</Hotkey></Application>",
                        profile));

    EXPECT_TRUE(profile.keys.empty());
}

TEST(AppProfileFile, MissingNameAndPathLeaveThoseOfTheProfile)
{
    AppProfile profile;
    profile.name = "kept";
    profile.path = "C:/kept.exe";

    ASSERT_TRUE(readXml("<Application><Hotkey/></Application>", profile));

    EXPECT_EQ(profile.name, "kept");
    EXPECT_EQ(profile.path, "C:/kept.exe");
}

TEST(AppProfileFile, ButtonsNeedAnIdAndAnActionAndTouchesAnEvent)
{
    AppProfile profile;

    ASSERT_TRUE(readXml("<Application><Hotkey>"
                        "<Button><Action type=\"mouse\" event=\"1\"/></Button>"
                        "<Button id=\"2\"/>"
                        "<Button id=\"1\"><Action type=\"mouse\" event=\"3\"/></Button>"
                        "<Touch id=\"1\"><Action type=\"mouse\" event=\"1\"/></Touch>"
                        "<Touch id=\"5\" event=\"6\"/>"
                        "</Hotkey></Application>",
                        profile));

    expectSameActions(
            profile.buttons,
            {{1, std::make_shared<TabletMouseAction>("", TabletMouseAction::RightClick)}});
    expectSameActions(profile.touches, {{6, nullptr}});
}

TEST(AppProfileFile, MissingOrBrokenFileIsNotRead)
{
    QTemporaryDir folder;
    AppProfile profile;

    EXPECT_FALSE(readAppProfile(folder.filePath("missing.xml"), profile));
    ASSERT_TRUE(writeFile(folder.filePath("broken.xml"), "<Application name=\"X\"><Hotkey>"));
    EXPECT_FALSE(readAppProfile(folder.filePath("broken.xml"), profile));
    ASSERT_TRUE(writeFile(folder.filePath("empty.xml"), ""));
    EXPECT_FALSE(readAppProfile(folder.filePath("empty.xml"), profile));
}
