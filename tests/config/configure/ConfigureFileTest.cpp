#include "config/configure/ConfigureFile.h"

#include "config/configure/HotkeyConfigureElement.h"
#include "config/configure/MappingConfigureElement.h"
#include "config/configure/PenConfigureElement.h"
#include "config/xml/XmlFile.h"

#include "config/support/StoreExpectations.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QTemporaryDir>

using namespace store_test;

namespace {

// Every field away from its default, with values that the file format can carry.
TabletConfigure richConfigure()
{
    TabletConfigure c{};
    c.version = 3;
    c.model = "Model 13";
    c.vid = 0x5A4C;
    c.pid = 0x0012;
    c.display = false;

    c.pen.curve = {QPointF(0.125, 0.0), QPointF(0.25, 0.75), QPointF(0.0, 0.875)};
    c.pen.curveEnabled = true;
    c.pen.appHotkeys = true;
    c.pen.buttons = {{1, keyboard("Ctrl+Z")}, {2, mouse(TabletMouseAction::RightClick)}};
    c.pen.ink = false;
    c.pen.relative = true;
    c.pen.step = 8;
    c.pen.gameSupport = true;
    c.pen.capacity = 2;

    c.hotkey.keys = {{0, keyboard("Ctrl+Shift+S")},
                     {3, misc(TabletMiscAction::CustomTool, {"a", "b"})},
                     {7, nullptr}};
    c.hotkey.virtualKeys = {{1, keyboard("hello world", TabletKeyboardAction::TypedText)},
                            {2, exec("C:/Tools/paint.exe")}};
    DialConfigure dial;
    dial.index = 1;
    dial.pairs = {
            ActionPair(mouse(TabletMouseAction::WheelUp), mouse(TabletMouseAction::WheelDown)),
            ActionPair(nullptr, media(TabletMediaAction::VolumeUp)),
            ActionPair(keyboard("["), nullptr), ActionPair(nullptr, nullptr)};
    c.hotkey.dials = {{0, dial}, {2, DialConfigure{}}};
    c.hotkey.touches = {{1, media(TabletMediaAction::PlayPause)},
                        {4, misc(TabletMiscAction::PenEraser)}};
    c.hotkey.appHotkeys = true;
    c.hotkey.hasKeys = true;
    c.hotkey.hasDial = true;
    c.hotkey.dialSensitivity = false;
    c.hotkey.hasTouch = true;

    c.mapping.screenIndex = 2;
    c.mapping.part = QRect(10, 20, 1900, 1060);
    c.mapping.kx = 0.5;
    c.mapping.ky = 1.2;
    c.mapping.kcx = 0.0;
    c.mapping.kcy = 0.33333;
    c.mapping.flag = 7;
    c.mapping.code = {0x0a, 0xff, 0x00, 0x10, 0x7e, 0x01, 0xc3};
    c.mapping.id = 123456;
    c.mapping.rotation = 3;
    c.mapping.workArea = QRect(5, 10, 80, 70);
    return c;
}

// Fields that are written but deliberately not read back, set so that losing them shows.
TabletConfigure withUnreadFields(TabletConfigure c)
{
    c.version = 9;
    c.display = true;
    c.pen.curve.start.setY(0.5);
    c.pen.curve.end.setX(1.0);
    c.mapping.absRect = QRect(1, 2, 3, 4);
    c.mapping.desktopSize = QSize(3840, 1080);
    c.mapping.dpiRect = QRect(5, 6, 7, 8);
    c.mapping.dpiDesktopRect = QRect(0, 0, 2560, 720);
    return c;
}

TabletConfigurePtr roundTrip(const TabletConfigure &configure)
{
    QDomDocument document;
    EXPECT_TRUE(document.setContent(configureDocument(configure).toByteArray(4)));
    return readConfigureDocument(document);
}

TabletConfigurePtr readXml(const QByteArray &xml)
{
    QDomDocument document;
    EXPECT_TRUE(document.setContent(xml)) << xml.constData();
    return readConfigureDocument(document);
}

QByteArray inTablet(const QByteArray &tabletContent)
{
    return "<Configure><Tablet model=\"M\">" + tabletContent + "</Tablet></Configure>";
}

QByteArray inMapping(const QByteArray &mappingContent)
{
    return inTablet("<Mapping>" + mappingContent + "</Mapping>");
}

QByteArray inPen(const QByteArray &penContent)
{
    return "<Configure><Pen>" + penContent + "</Pen></Configure>";
}

void expectSamePen(const PenConfigure &read, const PenConfigure &expected)
{
    EXPECT_EQ(read.curve, expected.curve);
    EXPECT_EQ(read.curveEnabled, expected.curveEnabled);
    EXPECT_EQ(read.appHotkeys, expected.appHotkeys);
    expectSameActions(read.buttons, expected.buttons);
    EXPECT_EQ(read.ink, expected.ink);
    EXPECT_EQ(read.relative, expected.relative);
    EXPECT_EQ(read.step, expected.step);
    EXPECT_EQ(read.gameSupport, expected.gameSupport);
    EXPECT_EQ(read.capacity, expected.capacity);
}

void expectSameHotkey(const HotkeyConfigure &read, const HotkeyConfigure &expected)
{
    expectSameActions(read.keys, expected.keys);
    expectSameActions(read.virtualKeys, expected.virtualKeys);
    expectSameDials(read.dials, expected.dials);
    expectSameActions(read.touches, expected.touches);
    EXPECT_EQ(read.appHotkeys, expected.appHotkeys);
    EXPECT_EQ(read.hasKeys, expected.hasKeys);
    EXPECT_EQ(read.hasDial, expected.hasDial);
    EXPECT_EQ(read.dialSensitivity, expected.dialSensitivity);
    EXPECT_EQ(read.hasTouch, expected.hasTouch);
}

void expectSameConfigure(const TabletConfigure &read, const TabletConfigure &expected)
{
    EXPECT_EQ(read.version, expected.version);
    EXPECT_EQ(read.model, expected.model);
    EXPECT_EQ(read.vid, expected.vid);
    EXPECT_EQ(read.pid, expected.pid);
    EXPECT_EQ(read.display, expected.display);
    expectSamePen(read.pen, expected.pen);
    expectSameHotkey(read.hotkey, expected.hotkey);
    EXPECT_EQ(read.mapping, expected.mapping);
    EXPECT_EQ(read.common, expected.common);
}

QDomElement onlyChild(const QDomElement &parent, const QString &tag)
{
    const QDomElement child = parent.firstChildElement(tag);
    EXPECT_FALSE(child.isNull()) << tag.toStdString();
    EXPECT_TRUE(child.nextSiblingElement(tag).isNull()) << tag.toStdString();
    return child;
}

QStringList childTags(const QDomElement &parent)
{
    QStringList tags;
    XmlFile::forEachChildElement(parent, [&tags](const QDomElement &e) { tags << e.tagName(); });
    return tags;
}

struct NumberRow
{
    const char *value;
    double expected;
};

} // namespace

// ---- round trips

TEST(ConfigureFile, EveryFieldThatTheFileCarriesSurvivesWritingAndReading)
{
    const TabletConfigurePtr read = roundTrip(richConfigure());

    ASSERT_NE(read, nullptr);
    expectSameConfigure(*read, richConfigure());
}

TEST(ConfigureFile, FieldsThatTheFileDoesNotCarryComeBackAtTheirReadValues)
{
    const TabletConfigurePtr read = roundTrip(withUnreadFields(richConfigure()));

    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->version, 3);
    EXPECT_FALSE(read->display);
    EXPECT_EQ(read->pen.curve.start.y(), 0.0);
    EXPECT_EQ(read->pen.curve.end.x(), 0.0);
    EXPECT_EQ(read->mapping.absRect, QRect());
    EXPECT_EQ(read->mapping.desktopSize, QSize(-1, -1));
    EXPECT_EQ(read->mapping.dpiRect, QRect());
    EXPECT_EQ(read->mapping.dpiDesktopRect, QRect());
    expectSameConfigure(*read, richConfigure());
}

TEST(ConfigureFile, DefaultConfigurationSurvivesApartFromTheCurveEnd)
{
    TabletConfigure defaults{};
    defaults.model = "M";
    TabletConfigure expected = defaults;
    expected.version = 3;
    expected.pen.curve.end.setX(0.0);

    const TabletConfigurePtr read = roundTrip(defaults);

    ASSERT_NE(read, nullptr);
    expectSameConfigure(*read, expected);
}

TEST(ConfigureFile, ButtonWithoutActionIsNotWrittenBackButKeyAndTouchWithoutActionAre)
{
    TabletConfigure c{};
    c.pen.buttons = {{1, nullptr}, {2, mouse(TabletMouseAction::LeftClick)}};
    c.hotkey.keys = {{5, nullptr}};
    c.hotkey.virtualKeys = {{6, nullptr}};
    c.hotkey.touches = {{2, nullptr}};

    const TabletConfigurePtr read = roundTrip(c);

    ASSERT_NE(read, nullptr);
    expectSameActions(read->pen.buttons, {{2, mouse(TabletMouseAction::LeftClick)}});
    expectSameActions(read->hotkey.keys, c.hotkey.keys);
    expectSameActions(read->hotkey.virtualKeys, c.hotkey.virtualKeys);
    expectSameActions(read->hotkey.touches, c.hotkey.touches);
}

TEST(ConfigureFile, DialPairWithOnlyASecondActionReadsBackOnTheSameSide)
{
    TabletConfigure c{};
    DialConfigure dial;
    dial.pairs = {ActionPair(nullptr, keyboard("]"))};
    c.hotkey.dials = {{1, dial}};

    const TabletConfigurePtr read = roundTrip(c);

    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->hotkey.dials.count(1), 1u);
    ASSERT_EQ(read->hotkey.dials.at(1).pairs.size(), 1u);
    EXPECT_EQ(read->hotkey.dials.at(1).pairs[0].first, nullptr);
    expectSameAction(read->hotkey.dials.at(1).pairs[0].second, keyboard("]"));
}

// ---- the written form

TEST(ConfigureFile, WrittenDocumentHasTheDeclarationVersionThreeAndTheElementTree)
{
    const QDomDocument document = configureDocument(withUnreadFields(richConfigure()));
    const QDomElement root = document.documentElement();

    EXPECT_TRUE(document.toString(4).startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"));
    EXPECT_EQ(root.tagName(), "Configure");
    EXPECT_EQ(attributes(root), (Attributes{{"version", "3"}}));
    EXPECT_EQ(childTags(root), (QStringList{"Pen", "Tablet"}));
    EXPECT_EQ(childTags(onlyChild(root, "Pen")), (QStringList{"Hotkey", "Curve", "Pointer"}));
    EXPECT_EQ(childTags(onlyChild(root, "Tablet")), (QStringList{"Hotkey", "Mapping"}));
}

TEST(ConfigureFile, PenIsWrittenWithItsButtonsCurveAndPointer)
{
    const QDomElement pen = onlyChild(configureDocument(richConfigure()).documentElement(), "Pen");

    const QDomElement hotkey = onlyChild(pen, "Hotkey");
    EXPECT_EQ(attributes(hotkey), (Attributes{{"app", "true"}}));
    EXPECT_EQ(childTags(hotkey), (QStringList{"Button", "Button"}));
    EXPECT_EQ(attributes(hotkey.firstChildElement("Button")), (Attributes{{"id", "1"}}));
    EXPECT_EQ(hotkey.firstChildElement("Button").firstChildElement().tagName(), "Action");
    EXPECT_EQ(attributes(onlyChild(pen, "Curve")),
              (Attributes{{"param", "0.125,0.250,0.750,0.875"}, {"enable", "true"}}));
    EXPECT_EQ(attributes(onlyChild(pen, "Pointer")),
              (Attributes{{"ink", "false"},
                          {"relative", "true"},
                          {"step", "8"},
                          {"gamesupport", "true"},
                          {"capacity", "2"}}));
}

TEST(ConfigureFile, TabletIsWrittenWithLowerCaseFourDigitIdsAndWithoutDisplay)
{
    TabletConfigure c = richConfigure();
    c.display = true;
    c.vid = 0xABCD;
    c.pid = 0x0001;

    const QDomElement tablet = onlyChild(configureDocument(c).documentElement(), "Tablet");

    EXPECT_EQ(attributes(tablet),
              (Attributes{{"model", "Model 13"}, {"vid", "0xabcd"}, {"pid", "0x0001"}}));
}

TEST(ConfigureFile, HotkeyIsWrittenWithFeaturesKeysThenVirtualKeysDialsAndTouches)
{
    const QDomElement tablet =
            onlyChild(configureDocument(richConfigure()).documentElement(), "Tablet");
    const QDomElement hotkey = onlyChild(tablet, "Hotkey");

    EXPECT_EQ(attributes(hotkey), (Attributes{{"feature", "key,dial,touch"},
                                              {"app", "true"},
                                              {"dial-sensitivity", "false"}}));
    EXPECT_EQ(childTags(hotkey), (QStringList{"Key", "Key", "Key", "Key", "Key", "Dial", "Dial",
                                              "Touch", "Touch"}));
    QStringList keys;
    for (QDomElement key = hotkey.firstChildElement("Key"); !key.isNull();
         key = key.nextSiblingElement("Key"))
        keys << key.attribute("id") + "/" + key.attribute("virtual");
    EXPECT_EQ(keys, (QStringList{"0/false", "3/false", "7/false", "1/true", "2/true"}));
    const QDomElement touch = hotkey.firstChildElement("Touch");
    EXPECT_EQ(attributes(touch), (Attributes{{"id", "1"}, {"event", "1"}}));
    EXPECT_EQ(attributes(touch.nextSiblingElement("Touch")),
              (Attributes{{"id", "1"}, {"event", "4"}}));
}

TEST(ConfigureFile, FeatureListsOnlyTheFlagsThatAreSet)
{
    HotkeyConfigure hotkey;
    hotkey.hasDial = true;
    QDomDocument document;
    QDomElement parent = document.createElement("Tablet");

    EXPECT_EQ(writeHotkeyConfigure(document, hotkey, parent).attribute("feature"), "dial");
    hotkey.hasDial = false;
    EXPECT_EQ(writeHotkeyConfigure(document, hotkey, parent).attribute("feature"), "");
}

TEST(ConfigureFile, DialPairsAreWrittenWithTheirOrientations)
{
    const QDomElement tablet =
            onlyChild(configureDocument(richConfigure()).documentElement(), "Tablet");
    const QDomElement dial = onlyChild(tablet, "Hotkey").firstChildElement("Dial");

    EXPECT_EQ(attributes(dial), (Attributes{{"id", "0"}, {"index", "1"}}));
    EXPECT_EQ(childTags(dial),
              (QStringList{"ActionPair", "ActionPair", "ActionPair", "ActionPair"}));
    const QDomElement full = dial.firstChildElement("ActionPair");
    EXPECT_EQ(full.firstChildElement().attribute("orientation"), "left");
    EXPECT_EQ(full.firstChildElement().nextSiblingElement().attribute("orientation"), "right");
    const QDomElement secondOnly = full.nextSiblingElement();
    EXPECT_EQ(childTags(secondOnly), QStringList{"Action"});
    EXPECT_EQ(secondOnly.firstChildElement().attribute("orientation"), "right");
    EXPECT_EQ(childTags(secondOnly.nextSiblingElement().nextSiblingElement()), QStringList());
}

TEST(ConfigureFile, MappingIsWrittenWithScreenIdentifyAdditionAndWork)
{
    const QDomElement tablet = onlyChild(
            configureDocument(withUnreadFields(richConfigure())).documentElement(), "Tablet");
    const QDomElement mapping = onlyChild(tablet, "Mapping");
    const QDomElement screen = onlyChild(mapping, "Screen");

    EXPECT_EQ(childTags(mapping), (QStringList{"Screen", "Work"}));
    EXPECT_EQ(attributes(screen), (Attributes{{"index", "2"},
                                              {"part", "10,20,1900,1060"},
                                              {"kx", "0.50000"},
                                              {"ky", "1.20000"},
                                              {"kcx", "0.00000"},
                                              {"kcy", "0.33333"}}));
    EXPECT_EQ(childTags(screen), (QStringList{"Identify", "Addition"}));
    EXPECT_EQ(attributes(onlyChild(screen, "Identify")),
              (Attributes{{"flag", "7"}, {"code", "0a-ff-00-10-7e-01-c3"}, {"id", "123456"}}));
    EXPECT_EQ(attributes(onlyChild(screen, "Addition")),
              (Attributes{{"absrect", "1,2,3,4"},
                          {"desktopsize", "3840,1080"},
                          {"dpirect", "5,6,7,8"},
                          {"dpidesktopsize", "2560,720"}}));
    EXPECT_EQ(attributes(onlyChild(mapping, "Work")),
              (Attributes{{"part", "5,10,80,70"}, {"rotation", "3"}}));
}

// ---- reading the root and the Tablet element

TEST(ConfigureFile, WrongRootElementGivesNothing)
{
    EXPECT_EQ(readXml("<Configuration version=\"3\"/>"), nullptr);
    EXPECT_EQ(readXml("<configure version=\"3\"/>"), nullptr);
    EXPECT_NE(readXml("<Configure/>"), nullptr);
}

TEST(ConfigureFile, VersionIsHexadecimal)
{
    EXPECT_EQ(readXml("<Configure version=\"10\"/>")->version, 16);
    EXPECT_EQ(readXml("<Configure version=\"3\"/>")->version, 3);
    EXPECT_EQ(readXml("<Configure version=\"ff\"/>")->version, 255);
    EXPECT_EQ(readXml("<Configure version=\"x\"/>")->version, 0);
    EXPECT_EQ(readXml("<Configure/>")->version, 0);
}

TEST(ConfigureFile, TabletGivesModelIdsAndDisplay)
{
    const TabletConfigurePtr read = readXml(
            "<Configure><Tablet model=\"Pad 9\" vid=\"0x5A4C\" pid=\"1f\" display=\"TRUE\"/>"
            "</Configure>");

    EXPECT_EQ(read->model, "Pad 9");
    EXPECT_EQ(read->vid, 0x5A4C);
    EXPECT_EQ(read->pid, 0x1F);
    EXPECT_TRUE(read->display);
}

TEST(ConfigureFile, DisplayIsComparedWithoutTrimming)
{
    EXPECT_FALSE(readXml(inTablet("").replace("model=", "display=\" true\" model="))->display);
    EXPECT_TRUE(readXml(inTablet("").replace("model=", "display=\"True\" model="))->display);
    EXPECT_FALSE(readXml(inTablet("").replace("model=", "display=\"yes\" model="))->display);
}

TEST(ConfigureFile, MalformedIdsReadAsZero)
{
    const TabletConfigurePtr read =
            readXml("<Configure><Tablet vid=\"0xZZ\" pid=\"70000\"/></Configure>");

    EXPECT_EQ(read->vid, 0);
    EXPECT_EQ(read->pid, 0);
}

TEST(ConfigureFile, UnknownElementsAndCommentsAreSkipped)
{
    const TabletConfigurePtr read = readXml(
            "<Configure><!-- c --><Extra/><Pen model=\"x\"><Pointer step=\"3\"/></Pen>"
            "<Tablet model=\"M\"><Other/><Hotkey feature=\"key\"/></Tablet></Configure>");

    EXPECT_EQ(read->pen.step, 3);
    EXPECT_EQ(read->model, "M");
    EXPECT_TRUE(read->hotkey.hasKeys);
}

// ---- reading the Pen element

TEST(ConfigureFile, CurveNeedsExactlyFourNumbers)
{
    const PressureCurve defaults;

    EXPECT_EQ(readXml(inPen("<Curve param=\"0.1,0.2,0.3\"/>"))->pen.curve, defaults);
    EXPECT_EQ(readXml(inPen("<Curve param=\"0.1,0.2,0.3,0.4,0.5\"/>"))->pen.curve, defaults);
    EXPECT_EQ(readXml(inPen("<Curve param=\"\"/>"))->pen.curve, defaults);
    const PressureCurve read = readXml(inPen("<Curve param=\"0.1,0.2,0.3,0.4\"/>"))->pen.curve;
    EXPECT_EQ(read.start, QPointF(0.1, 0.0));
    EXPECT_EQ(read.middle, QPointF(0.2, 0.3));
    EXPECT_EQ(read.end, QPointF(0.0, 0.4));
}

TEST(ConfigureFile, CurveWithAMalformedNumberTakesZeroForIt)
{
    const PressureCurve read = readXml(inPen("<Curve param=\"0.1,x,0.3,0.4\"/>"))->pen.curve;

    EXPECT_EQ(read.middle, QPointF(0.0, 0.3));
}

TEST(ConfigureFile, StepAndCapacityAreClamped)
{
    const struct
    {
        const char *step;
        std::int32_t expected;
    } steps[] = {{"0", 1},  {"1", 1}, {"5", 5},  {"9", 9},
                 {"12", 9}, {"x", 1}, {"-3", 1}, {"70000", 1}};
    for (const auto &row : steps) {
        SCOPED_TRACE(row.step);
        EXPECT_EQ(readXml(inPen(QByteArray("<Pointer step=\"") + row.step + "\"/>"))->pen.step,
                  row.expected);
    }
    const struct
    {
        const char *capacity;
        std::uint32_t expected;
    } capacities[] = {{"0", 0}, {"2", 2}, {"3", 0}, {"x", 0}, {"4294967295", 0}};
    for (const auto &row : capacities) {
        SCOPED_TRACE(row.capacity);
        EXPECT_EQ(readXml(inPen(QByteArray("<Pointer capacity=\"") + row.capacity + "\"/>"))
                          ->pen.capacity,
                  row.expected);
    }
}

TEST(ConfigureFile, BooleansAreTrueOnlyForTrueInAnyCaseAndSpacing)
{
    const struct
    {
        const char *value;
        bool expected;
    } rows[] = {{"true", true}, {" TRUE ", true}, {"True", true}, {"false", false},
                {"1", false},   {"yes", false},   {"", false}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.value);
        const QByteArray value(row.value);
        const TabletConfigurePtr read = readXml(
                "<Configure><Pen><Hotkey app=\"" + value + "\"/><Curve enable=\"" + value
                + "\"/><Pointer ink=\"" + value + "\" relative=\"" + value + "\" gamesupport=\""
                + value + "\"/></Pen><Tablet><Hotkey app=\"" + value + "\" dial-sensitivity=\""
                + value + "\"/></Tablet></Configure>");
        EXPECT_EQ(read->pen.appHotkeys, row.expected);
        EXPECT_EQ(read->pen.curveEnabled, row.expected);
        EXPECT_EQ(read->pen.ink, row.expected);
        EXPECT_EQ(read->pen.relative, row.expected);
        EXPECT_EQ(read->pen.gameSupport, row.expected);
        EXPECT_EQ(read->hotkey.appHotkeys, row.expected);
        EXPECT_EQ(read->hotkey.dialSensitivity, row.expected);
    }
}

TEST(ConfigureFile, MissingAttributesKeepTheDefaults)
{
    const TabletConfigurePtr read = readXml(
            "<Configure><Pen><Hotkey/><Curve/><Pointer/></Pen>"
            "<Tablet><Hotkey/><Mapping><Screen/><Work/></Mapping></Tablet></Configure>");
    TabletConfigure defaults{};

    expectSameConfigure(*read, defaults);
}

TEST(ConfigureFile, ButtonsNeedAnIdAndAnAction)
{
    const TabletConfigurePtr read = readXml(inPen(
            "<Hotkey><Button><Action type=\"mouse\" event=\"1\"/></Button>"
            "<Button id=\"1\"/>"
            "<Button id=\"2\"><Action type=\"nothing\"/></Button>"
            "<Button id=\"3\"><Action type=\"mouse\" event=\"3\"/></Button>"
            "<Button id=\"3\"><Action type=\"mouse\" event=\"2\"/></Button></Hotkey>"));

    expectSameActions(
            read->pen.buttons,
            {{3, std::make_shared<TabletMouseAction>("", TabletMouseAction::MiddleClick)}});
}

// ---- reading the Tablet's Hotkey element

TEST(ConfigureFile, FeaturesAreFoundAnywhereInTheValueCaseSensitively)
{
    const struct
    {
        const char *feature;
        bool keys, dial, touch;
    } rows[] = {{"key,dial,touch", true, true, true}, {"touchdial", false, true, true},
                {"keys", true, false, false},         {"Key,DIAL", false, false, false},
                {"", false, false, false}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.feature);
        const HotkeyConfigure hotkey =
                readXml(inTablet(QByteArray("<Hotkey feature=\"") + row.feature + "\"/>"))->hotkey;
        EXPECT_EQ(hotkey.hasKeys, row.keys);
        EXPECT_EQ(hotkey.hasDial, row.dial);
        EXPECT_EQ(hotkey.hasTouch, row.touch);
    }
}

TEST(ConfigureFile, KeyWithoutActionStillCreatesAnEntry)
{
    const HotkeyConfigure hotkey = readXml(inTablet(
            "<Hotkey><Key id=\"4\" virtual=\"false\"/><Key id=\"5\" virtual=\" TRUE\"/>"
            "<Key virtual=\"false\"><Action type=\"mouse\" event=\"1\"/></Key></Hotkey>"))->hotkey;

    expectSameActions(hotkey.keys, {{4, nullptr}});
    expectSameActions(hotkey.virtualKeys, {{5, nullptr}});
}

TEST(ConfigureFile, LaterEntryOfTheSameKeyReplacesTheEarlier)
{
    const HotkeyConfigure hotkey = readXml(inTablet(
            "<Hotkey><Key id=\"1\"><Action type=\"mouse\" event=\"1\"/></Key>"
            "<Key id=\"1\"><Action type=\"mouse\" event=\"3\"/></Key></Hotkey>"))->hotkey;

    expectSameActions(
            hotkey.keys,
            {{1, std::make_shared<TabletMouseAction>("", TabletMouseAction::RightClick)}});
}

TEST(ConfigureFile, DialsNeedAnIdAndTakeEveryChildAsAPair)
{
    const HotkeyConfigure hotkey = readXml(inTablet(
            "<Hotkey><Dial index=\"1\"><ActionPair/></Dial>"
            "<Dial id=\"2\"><ActionPair/><Pair><Action type=\"mouse\" event=\"5\"/>"
            "<Action type=\"mouse\" event=\"6\"/></Pair></Dial></Hotkey>"))->hotkey;

    ASSERT_EQ(hotkey.dials.size(), 1u);
    const DialConfigure &dial = hotkey.dials.at(2);
    EXPECT_EQ(dial.index, 0);
    ASSERT_EQ(dial.pairs.size(), 2u);
    EXPECT_EQ(dial.pairs[0].first, nullptr);
    EXPECT_EQ(dial.pairs[0].second, nullptr);
    expectSameAction(dial.pairs[1].first,
                     std::make_shared<TabletMouseAction>("", TabletMouseAction::WheelUp));
    expectSameAction(dial.pairs[1].second,
                     std::make_shared<TabletMouseAction>("", TabletMouseAction::WheelDown));
}

TEST(ConfigureFile, PairActionsGoToTheSideTheirOrientationNames)
{
    const auto up = std::make_shared<TabletMouseAction>("", TabletMouseAction::WheelUp);
    const auto down = std::make_shared<TabletMouseAction>("", TabletMouseAction::WheelDown);
    const struct
    {
        const char *description;
        const char *pair;
        TabletActionPtr first, second;
    } rows[] = {
        {"right only", "<Action type=\"mouse\" event=\"5\" orientation=\"right\"/>", nullptr, up},
        {"left only", "<Action type=\"mouse\" event=\"5\" orientation=\"left\"/>", up, nullptr},
        {"swapped", "<Action type=\"mouse\" event=\"5\" orientation=\"right\"/>"
                    "<Action type=\"mouse\" event=\"6\" orientation=\"left\"/>",
         down, up},
        {"by position", "<Action type=\"mouse\" event=\"5\"/><Action type=\"mouse\" event=\"6\"/>",
         up, down},
        {"one without orientation", "<Action type=\"mouse\" event=\"5\"/>", up, nullptr},
        {"third ignored", "<Action type=\"mouse\" event=\"5\"/><Action type=\"mouse\" event=\"6\"/>"
                          "<Action type=\"mouse\" event=\"1\"/>",
         up, down},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.description);
        const HotkeyConfigure hotkey =
                readXml(inTablet(QByteArray("<Hotkey><Dial id=\"0\"><ActionPair>") + row.pair
                                 + "</ActionPair></Dial></Hotkey>"))
                        ->hotkey;
        ASSERT_EQ(hotkey.dials.at(0).pairs.size(), 1u);
        expectSameAction(hotkey.dials.at(0).pairs[0].first, row.first);
        expectSameAction(hotkey.dials.at(0).pairs[0].second, row.second);
    }
}

TEST(ConfigureFile, TouchNeedsIdAndEventAndIsKeyedByEvent)
{
    const HotkeyConfigure hotkey = readXml(inTablet(
            "<Hotkey><Touch id=\"9\" event=\"3\"><Action type=\"media\" event=\"7\"/></Touch>"
            "<Touch event=\"4\"><Action type=\"media\" event=\"7\"/></Touch>"
            "<Touch id=\"1\"><Action type=\"media\" event=\"7\"/></Touch></Hotkey>"))->hotkey;

    expectSameActions(hotkey.touches,
                      {{3, std::make_shared<TabletMediaAction>("", TabletMediaAction::PlayPause)}});
}

// ---- reading the Mapping element

TEST(ConfigureFile, ScaleFactorsAreClampedAndMalformedOnesReadAsZero)
{
    const NumberRow rows[] = {{"0.5", 0.5},  {"-0.5", 0.0}, {"1.5", 1.2}, {"1.2", 1.2},
                              {"abc", 0.0}, {"nan", 0.0},  {"", 0.0}};
    for (const NumberRow &row : rows) {
        SCOPED_TRACE(row.value);
        const QByteArray value(row.value);
        const MappingConfigure mapping =
                readXml(inMapping("<Screen kx=\"" + value + "\" ky=\"" + value + "\" kcx=\""
                                  + value + "\" kcy=\"" + value + "\"/>"))
                        ->mapping;
        EXPECT_EQ(mapping.kx, row.expected);
        EXPECT_EQ(mapping.ky, row.expected);
        EXPECT_EQ(mapping.kcx, row.expected);
        EXPECT_EQ(mapping.kcy, row.expected);
    }
}

TEST(ConfigureFile, RectanglesNeedExactlyFourNumbers)
{
    const MappingConfigure defaults;
    const MappingConfigure three =
            readXml(inMapping("<Screen part=\"1,2,3\"/><Work part=\"1,2,3\"/>"))->mapping;
    const MappingConfigure four =
            readXml(inMapping("<Screen part=\"1,2,3,4\"/><Work part=\"0,0,50,x\"/>"))->mapping;

    EXPECT_EQ(three.part, defaults.part);
    EXPECT_EQ(three.workArea, defaults.workArea);
    EXPECT_EQ(four.part, QRect(1, 2, 3, 4));
    EXPECT_EQ(four.workArea, QRect(0, 0, 50, 0));
}

TEST(ConfigureFile, IdentificationIsReadFromScreensFirstChildWhateverItsName)
{
    const MappingConfigure mapping =
            readXml(inMapping("<Screen><Monitor flag=\"5\" code=\"01-02-03-04-05-06-FF\" id=\"9\"/>"
                              "<Identify flag=\"6\"/></Screen>"))
                    ->mapping;

    EXPECT_EQ(mapping.flag, 5u);
    EXPECT_EQ(mapping.code, (std::array<std::uint8_t, 7>{1, 2, 3, 4, 5, 6, 0xff}));
    EXPECT_EQ(mapping.id, 9u);
}

TEST(ConfigureFile, CodeNeedsExactlySevenBytes)
{
    const std::array<std::uint8_t, 7> zero{};

    EXPECT_EQ(readXml(inMapping("<Screen><Identify code=\"01-02-03-04-05-06\"/></Screen>"))
                      ->mapping.code,
              zero);
    EXPECT_EQ(readXml(inMapping("<Screen><Identify code=\"01-02-03-04-05-06-07-08\"/></Screen>"))
                      ->mapping.code,
              zero);
    EXPECT_EQ(readXml(inMapping("<Screen><Identify code=\"01-zz-03-04-05-06-100\"/></Screen>"))
                      ->mapping.code,
              (std::array<std::uint8_t, 7>{1, 0, 3, 4, 5, 6, 0}));
}

TEST(ConfigureFile, ScreenIndexIsSixteenBitAndRotationSigned)
{
    EXPECT_EQ(readXml(inMapping("<Screen index=\"3\"/>"))->mapping.screenIndex, 3u);
    EXPECT_EQ(readXml(inMapping("<Screen index=\"70000\"/>"))->mapping.screenIndex, 0u);
    EXPECT_EQ(readXml(inMapping("<Work rotation=\"-1\"/>"))->mapping.rotation, -1);
    EXPECT_EQ(readXml(inMapping("<Work rotation=\"r\"/>"))->mapping.rotation, 0);
}

TEST(ConfigureFile, AdditionIsNotRead)
{
    const MappingConfigure mapping = readXml(inMapping(
            "<Screen><Identify/><Addition absrect=\"1,2,3,4\" desktopsize=\"5,6\" "
            "dpirect=\"1,2,3,4\" dpidesktopsize=\"7,8\"/></Screen>"))->mapping;

    EXPECT_EQ(mapping, MappingConfigure());
}

TEST(ConfigureFile, DefaultsFormatWithScreenIdAndRectTakesOnlyTheRotation)
{
    const MappingConfigure mapping = readXml(inMapping(
            "<Screen id=\"1\" rect=\"0,0,1920,1080\"/><Work rect=\"0,0,100,100\" rotation=\"2\"/>"))
                                             ->mapping;
    MappingConfigure expected;
    expected.rotation = 2;

    EXPECT_EQ(mapping, expected);
}

// ---- files

TEST(ConfigureFile, MissingEmptyCutShortOrNonXmlFileGivesNothingAndStaysAsItWas)
{
    const QByteArray whole = configureDocument(richConfigure()).toByteArray(4);
    const struct
    {
        const char *description;
        QByteArray bytes;
    } rows[] = {{"empty", ""}, {"cut short", whole.left(whole.size() / 2)}, {"not XML", "M13 v3"}};
    QTemporaryDir folder;
    const QString path = folder.filePath("M.xml");
    for (const auto &row : rows) {
        SCOPED_TRACE(row.description);
        ASSERT_TRUE(writeFile(path, row.bytes));
        EXPECT_EQ(readConfigureFile(path, QString()), nullptr);
        EXPECT_EQ(readFile(path), row.bytes);
    }
    EXPECT_EQ(readConfigureFile(folder.filePath("missing.xml"), QString()), nullptr);
}

TEST(ConfigureFile, CommonSettingsAreReadOnlyWhenACommonPathIsGiven)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("M.xml");
    const QString commonPath = folder.filePath("comm.xml");
    ASSERT_TRUE(writeFile(path, configureDocument(richConfigure()).toByteArray(4)));
    ASSERT_TRUE(writeFile(commonPath, "<Genercal><Language id=\"4\"/><Pen tilt=\"false\"/>"
                                      "</Genercal>"));

    const TabletConfigurePtr without = readConfigureFile(path, QString());
    const TabletConfigurePtr with = readConfigureFile(path, commonPath);
    const TabletConfigurePtr missingCommon = readConfigureFile(path, folder.filePath("none.xml"));

    ASSERT_NE(without, nullptr);
    ASSERT_NE(with, nullptr);
    ASSERT_NE(missingCommon, nullptr);
    EXPECT_EQ(without->common, CommonConfigure());
    EXPECT_EQ(with->common.language, 4u);
    EXPECT_FALSE(with->common.tilt);
    EXPECT_EQ(missingCommon->common, CommonConfigure());
    expectSameHotkey(with->hotkey, richConfigure().hotkey);
}

TEST(ConfigureFile, ElementWritersReturnTheirElementUnderTheParent)
{
    QDomDocument document;
    QDomElement parent = document.createElement("Parent");

    EXPECT_EQ(writePenConfigure(document, PenConfigure(), parent).tagName(), "Pen");
    EXPECT_EQ(writeHotkeyConfigure(document, HotkeyConfigure(), parent).tagName(), "Hotkey");
    EXPECT_EQ(writeMappingConfigure(document, MappingConfigure(), parent).tagName(), "Mapping");
    EXPECT_EQ(childTags(parent), (QStringList{"Pen", "Hotkey", "Mapping"}));
}

TEST(ConfigureFile, ElementReadersFillOnlyWhatTheElementHolds)
{
    QDomDocument document;
    ASSERT_TRUE(document.setContent(QByteArray("<Pen><Pointer step=\"2\"/></Pen>")));
    PenConfigure pen;
    pen.capacity = 1;

    readPenConfigure(document.documentElement(), pen);

    EXPECT_EQ(pen.step, 2);
    EXPECT_EQ(pen.capacity, 1u);
}
