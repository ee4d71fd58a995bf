#include "config/configure/ConfigureCopy.h"
#include "config/actions/TabletExecAction.h"
#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMediaAction.h"
#include "config/actions/TabletMiscAction.h"
#include "config/actions/TabletMouseAction.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <set>
#include <typeinfo>
#include <vector>

namespace {

TabletActionPtr keyboard(const QString &text, int mode = TabletKeyboardAction::KeyCombination)
{
    return std::make_shared<TabletKeyboardAction>("tip " + text, text, mode);
}

TabletActionPtr mouse(std::uint32_t event)
{
    return std::make_shared<TabletMouseAction>("mouse tip", event);
}

TabletActionPtr misc(std::uint32_t event, const QStringList &tools = {})
{
    return std::make_shared<TabletMiscAction>("misc tip", event, tools);
}

TabletActionPtr exec(const QString &path)
{
    return std::make_shared<TabletExecAction>("exec tip", path);
}

TabletActionPtr media(std::uint32_t event)
{
    return std::make_shared<TabletMediaAction>("media tip", event);
}

TabletActionPtr unknownKind()
{
    return std::make_shared<TabletAction>(42, "unknown", "odd tip");
}

template <class Action>
const Action &as(const TabletActionPtr &action)
{
    return dynamic_cast<const Action &>(*action);
}

// Same kind and same fields, whatever the object.
void expectSameAction(const TabletActionPtr &copy, const TabletActionPtr &original)
{
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(typeid(*copy), typeid(*original));
    EXPECT_EQ(copy->type, original->type);
    EXPECT_EQ(copy->typeName, original->typeName);
    EXPECT_EQ(copy->tip, original->tip);
    switch (original->type) {
    case TabletAction::Keyboard:
        EXPECT_EQ(as<TabletKeyboardAction>(copy).text, as<TabletKeyboardAction>(original).text);
        EXPECT_EQ(as<TabletKeyboardAction>(copy).mode, as<TabletKeyboardAction>(original).mode);
        break;
    case TabletAction::Mouse:
        EXPECT_EQ(as<TabletMouseAction>(copy).event, as<TabletMouseAction>(original).event);
        break;
    case TabletAction::Misc:
        EXPECT_EQ(as<TabletMiscAction>(copy).event, as<TabletMiscAction>(original).event);
        EXPECT_EQ(as<TabletMiscAction>(copy).tools, as<TabletMiscAction>(original).tools);
        break;
    case TabletAction::Exec:
        EXPECT_EQ(as<TabletExecAction>(copy).path, as<TabletExecAction>(original).path);
        break;
    case TabletAction::Media:
        EXPECT_EQ(as<TabletMediaAction>(copy).event, as<TabletMediaAction>(original).event);
        break;
    default:
        ADD_FAILURE() << "unexpected action type " << original->type;
    }
}

// Every binding of the copy is a new object equal to the source's binding under the same key;
// the source's empty and unknown bindings are absent.
void expectClonedMap(const ActionMap &copy, const ActionMap &source)
{
    ActionMap kept;
    for (const auto &[key, action] : source) {
        if (action && action->type >= TabletAction::Keyboard && action->type <= TabletAction::Media)
            kept.emplace(key, action);
    }
    ASSERT_EQ(copy.size(), kept.size());
    for (const auto &[key, action] : kept) {
        SCOPED_TRACE(testing::Message() << "key " << key);
        ASSERT_EQ(copy.count(key), 1u);
        EXPECT_NE(copy.at(key), action);
        expectSameAction(copy.at(key), action);
    }
}

std::set<const TabletAction *> actionObjects(const TabletConfigure &configure)
{
    std::set<const TabletAction *> objects;
    const auto collect = [&objects](const TabletActionPtr &action) {
        if (action)
            objects.insert(action.get());
    };
    for (const ActionMap *map : {&configure.pen.buttons, &configure.hotkey.keys,
                                 &configure.hotkey.virtualKeys, &configure.hotkey.touches}) {
        for (const auto &entry : *map)
            collect(entry.second);
    }
    for (const auto &entry : configure.hotkey.dials) {
        for (const ActionPair &pair : entry.second.pairs) {
            collect(pair.first);
            collect(pair.second);
        }
    }
    return objects;
}

TabletConfigure richConfigure()
{
    TabletConfigure source{};
    source.version = 3;
    source.model = "TestModel";
    source.vid = 0x5A4C;
    source.pid = 0x1234;
    source.display = true;

    source.pen.curve = {QPointF(0.1, 0.0), QPointF(0.3, 0.7), QPointF(0.0, 0.9)};
    source.pen.curveEnabled = true;
    source.pen.appHotkeys = true;
    source.pen.buttons = {{1, keyboard("Ctrl+Z")}, {2, mouse(TabletMouseAction::RightClick)},
                          {3, nullptr}};
    source.pen.ink = false;
    source.pen.relative = true;
    source.pen.step = 7;
    source.pen.gameSupport = true;
    source.pen.capacity = 2;

    source.hotkey.keys = {{1, misc(TabletMiscAction::CustomTool, {"a", "b", "c", "d"})},
                          {2, exec("C:/Tools/paint.exe")},
                          {5, media(TabletMediaAction::PlayPause)},
                          {6, nullptr},
                          {7, unknownKind()}};
    source.hotkey.virtualKeys = {{1, keyboard("hello", TabletKeyboardAction::TypedText)},
                                 {16, misc(TabletMiscAction::SwitchMonitor)}};
    source.hotkey.dials[1] = DialConfigure{{ActionPair(mouse(TabletMouseAction::WheelUp),
                                                       mouse(TabletMouseAction::WheelDown)),
                                            ActionPair(nullptr, nullptr),
                                            ActionPair(keyboard("]"), nullptr),
                                            ActionPair(unknownKind(), media(9))},
                                           2};
    source.hotkey.dials[2] = DialConfigure{{ActionPair(nullptr, nullptr),
                                            ActionPair(unknownKind(), nullptr)},
                                           1};
    source.hotkey.dials[3] = DialConfigure{{}, 4};
    source.hotkey.touches = {{3, media(TabletMediaAction::VolumeUp)},
                             {8, mouse(TabletMouseAction::WheelDown)}};
    source.hotkey.appHotkeys = true;
    source.hotkey.hasKeys = true;
    source.hotkey.hasDial = true;
    source.hotkey.dialSensitivity = false;
    source.hotkey.hasTouch = true;

    source.mapping.screenIndex = 1;
    source.mapping.absRect = QRect(1920, 0, 2560, 1440);
    source.mapping.part = QRect(0, 0, 1280, 720);
    source.mapping.desktopSize = QSize(4480, 1440);
    source.mapping.dpiRect = QRect(1536, 0, 2048, 1152);
    source.mapping.dpiDesktopRect = QRect(0, 0, 3584, 1152);
    source.mapping.kx = 0.5;
    source.mapping.ky = 0.6;
    source.mapping.kcx = 1.1;
    source.mapping.kcy = 0.0;
    source.mapping.flag = 3;
    source.mapping.code = {1, 2, 3, 4, 5, 6, 7};
    source.mapping.id = 99;
    source.mapping.rotation = 270;
    source.mapping.workArea = QRect(10, 20, 60, 70);

    source.common.language = 4;
    source.common.tilt = false;
    source.common.pressureOff = true;
    source.common.clickOff = true;
    source.common.orientation = false;
    source.common.message = false;
    source.common.hotkeySync = true;
    source.common.log = true;
    return source;
}

} // namespace

TEST(CloneAction, EachKnownKindGivesANewEqualActionOfTheSameClass)
{
    const TabletActionPtr actions[] = {
        keyboard("Ctrl+Shift+S"),
        keyboard("typed", TabletKeyboardAction::TypedText),
        mouse(TabletMouseAction::LeftDoubleClick),
        misc(TabletMiscAction::CustomTool, {"brush", "eraser"}),
        misc(TabletMiscAction::Undefined),
        exec("C:/Program Files/App/app.exe"),
        media(TabletMediaAction::VolumeMute),
    };
    for (const TabletActionPtr &action : actions) {
        SCOPED_TRACE(testing::Message() << "type " << action->type);
        const TabletActionPtr clone = cloneAction(action);
        ASSERT_NE(clone, nullptr);
        EXPECT_NE(clone, action);
        expectSameAction(clone, action);
    }
}

TEST(CloneActionWithTip, EachKnownKindKeepsItsFieldsUnderTheNewTip)
{
    const TabletActionPtr actions[] = {
        keyboard("Ctrl+Shift+S"),
        keyboard("typed", TabletKeyboardAction::TypedText),
        mouse(TabletMouseAction::CtrlWheelDown),
        misc(TabletMiscAction::CustomTool, {"brush", "eraser"}),
        exec("C:/Program Files/App/app.exe"),
        media(TabletMediaAction::NextTrack),
    };
    for (const TabletActionPtr &action : actions) {
        SCOPED_TRACE(testing::Message() << "type " << action->type);
        const QString oldTip = action->tip;
        const TabletActionPtr retipped = cloneActionWithTip(*action, "my own words");
        ASSERT_NE(retipped, nullptr);
        EXPECT_NE(retipped, action);
        EXPECT_EQ(retipped->tip, "my own words");
        EXPECT_EQ(action->tip, oldTip) << "the original stays as it was";
        expectSameAction(cloneActionWithTip(*retipped, oldTip), action);
    }
    EXPECT_EQ(cloneActionWithTip(*unknownKind(), "tip"), nullptr);
}

TEST(CloneAction, AnEmptyPointerGivesAnEmptyPointer)
{
    EXPECT_EQ(cloneAction(nullptr), nullptr);
}

TEST(CloneAction, AnActionOfAnUnknownTypeGivesAnEmptyPointer)
{
    const int unknownTypes[] = {0, 6, 42, -1};
    for (int type : unknownTypes) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        EXPECT_EQ(cloneAction(std::make_shared<TabletAction>(type, "odd", "tip")), nullptr);
    }
}

TEST(CloneAction, AnActionWhoseClassDoesNotMatchItsTypeIsNotCopied)
{
    EXPECT_EQ(cloneAction(std::make_shared<TabletAction>(TabletAction::Keyboard, "keyboard", "")),
              nullptr);
}

TEST(CopyDeviceConfigure, CopiesEveryValueField)
{
    const TabletConfigure source = richConfigure();

    const TabletConfigurePtr copy = copyDeviceConfigure(source);

    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->version, 3u);
    EXPECT_EQ(copy->model, "TestModel");
    EXPECT_EQ(copy->vid, 0x5A4Cu);
    EXPECT_EQ(copy->pid, 0x1234u);
    EXPECT_TRUE(copy->display);

    EXPECT_EQ(copy->pen.curve, source.pen.curve);
    EXPECT_TRUE(copy->pen.curveEnabled);
    EXPECT_TRUE(copy->pen.appHotkeys);
    EXPECT_FALSE(copy->pen.ink);
    EXPECT_TRUE(copy->pen.relative);
    EXPECT_EQ(copy->pen.step, 7);
    EXPECT_TRUE(copy->pen.gameSupport);
    EXPECT_EQ(copy->pen.capacity, 2u);

    EXPECT_TRUE(copy->hotkey.appHotkeys);
    EXPECT_TRUE(copy->hotkey.hasKeys);
    EXPECT_TRUE(copy->hotkey.hasDial);
    EXPECT_FALSE(copy->hotkey.dialSensitivity);
    EXPECT_TRUE(copy->hotkey.hasTouch);

    EXPECT_EQ(copy->mapping, source.mapping);
    EXPECT_EQ(copy->common, source.common);
}

TEST(CopyDeviceConfigure, SharesNoActionObjectWithTheSource)
{
    const TabletConfigure source = richConfigure();

    const TabletConfigurePtr copy = copyDeviceConfigure(source);

    const std::set<const TabletAction *> sourceObjects = actionObjects(source);
    const std::set<const TabletAction *> copyObjects = actionObjects(*copy);
    ASSERT_FALSE(copyObjects.empty());
    for (const TabletAction *object : copyObjects)
        EXPECT_EQ(sourceObjects.count(object), 0u) << "shared action " << object->typeName.toStdString();
}

TEST(CopyDeviceConfigure, EveryActionMapHoldsEqualClonesWithoutEmptyOrUnknownBindings)
{
    const TabletConfigure source = richConfigure();

    const TabletConfigurePtr copy = copyDeviceConfigure(source);

    {
        SCOPED_TRACE("pen buttons");
        expectClonedMap(copy->pen.buttons, source.pen.buttons);
    }
    {
        SCOPED_TRACE("keys");
        expectClonedMap(copy->hotkey.keys, source.hotkey.keys);
    }
    {
        SCOPED_TRACE("virtual keys");
        expectClonedMap(copy->hotkey.virtualKeys, source.hotkey.virtualKeys);
    }
    {
        SCOPED_TRACE("touches");
        expectClonedMap(copy->hotkey.touches, source.hotkey.touches);
    }
    EXPECT_EQ(copy->pen.buttons.count(3), 0u);
    EXPECT_EQ(copy->hotkey.keys.count(6), 0u);
    EXPECT_EQ(copy->hotkey.keys.count(7), 0u);
}

TEST(CopyDeviceConfigure, DialPairsAreKeptOnlyWhenOneOfTheirActionsIsCopied)
{
    const TabletConfigure source = richConfigure();

    const TabletConfigurePtr copy = copyDeviceConfigure(source);

    ASSERT_EQ(copy->hotkey.dials.count(1), 1u);
    const DialConfigure &dial = copy->hotkey.dials.at(1);
    const std::vector<ActionPair> &sourcePairs = source.hotkey.dials.at(1).pairs;
    EXPECT_EQ(dial.index, 2u);
    ASSERT_EQ(dial.pairs.size(), 3u);

    expectSameAction(dial.pairs[0].first, sourcePairs[0].first);
    expectSameAction(dial.pairs[0].second, sourcePairs[0].second);
    EXPECT_NE(dial.pairs[0].first, sourcePairs[0].first);
    EXPECT_NE(dial.pairs[0].second, sourcePairs[0].second);

    // The pair of two empty actions is gone; a pair with one side empty stays as it is.
    expectSameAction(dial.pairs[1].first, sourcePairs[2].first);
    EXPECT_EQ(dial.pairs[1].second, nullptr);

    // An unknown action becomes an empty side.
    EXPECT_EQ(dial.pairs[2].first, nullptr);
    expectSameAction(dial.pairs[2].second, sourcePairs[3].second);
}

TEST(CopyDeviceConfigure, ADialWithoutCopiedPairsStaysWithAnEmptyListAndItsIndex)
{
    const TabletConfigure source = richConfigure();

    const TabletConfigurePtr copy = copyDeviceConfigure(source);

    ASSERT_EQ(copy->hotkey.dials.size(), 3u);
    ASSERT_EQ(copy->hotkey.dials.count(2), 1u);
    EXPECT_TRUE(copy->hotkey.dials.at(2).pairs.empty());
    EXPECT_EQ(copy->hotkey.dials.at(2).index, 1u);
    ASSERT_EQ(copy->hotkey.dials.count(3), 1u);
    EXPECT_TRUE(copy->hotkey.dials.at(3).pairs.empty());
    EXPECT_EQ(copy->hotkey.dials.at(3).index, 4u);
}

TEST(CopyDeviceConfigure, LeavesTheSourceAsItWas)
{
    const TabletConfigure source = richConfigure();
    const std::set<const TabletAction *> before = actionObjects(source);

    copyDeviceConfigure(source);

    EXPECT_EQ(actionObjects(source), before);
    EXPECT_EQ(source.pen.buttons.size(), 3u);
    EXPECT_EQ(source.hotkey.keys.size(), 5u);
    EXPECT_EQ(source.hotkey.dials.at(1).pairs.size(), 4u);
    EXPECT_EQ(source.hotkey.dials.at(2).pairs.size(), 2u);
}

TEST(CopyDeviceConfigure, ChangingTheCopysMapsLeavesTheSourceUnchanged)
{
    const TabletConfigure source = richConfigure();
    const TabletActionPtr sourceButton = source.pen.buttons.at(1);
    const TabletActionPtr sourceDialAction = source.hotkey.dials.at(1).pairs[0].first;
    const TabletConfigurePtr copy = copyDeviceConfigure(source);

    copy->pen.buttons[1] = mouse(TabletMouseAction::MiddleClick);
    copy->pen.buttons.erase(2);
    copy->hotkey.keys.clear();
    copy->hotkey.virtualKeys[2] = keyboard("Alt");
    copy->hotkey.dials.at(1).pairs.clear();
    copy->hotkey.dials.at(1).index = 0;
    copy->hotkey.dials.erase(3);
    copy->hotkey.touches.erase(3);

    EXPECT_EQ(source.pen.buttons.at(1), sourceButton);
    EXPECT_EQ(source.pen.buttons.count(2), 1u);
    EXPECT_EQ(source.hotkey.keys.size(), 5u);
    EXPECT_EQ(source.hotkey.virtualKeys.count(2), 0u);
    EXPECT_EQ(source.hotkey.dials.at(1).pairs.size(), 4u);
    EXPECT_EQ(source.hotkey.dials.at(1).pairs[0].first, sourceDialAction);
    EXPECT_EQ(source.hotkey.dials.at(1).index, 2u);
    EXPECT_EQ(source.hotkey.dials.count(3), 1u);
    EXPECT_EQ(source.hotkey.touches.count(3), 1u);
}

TEST(CopyDeviceConfigure, ADefaultConfigurationCopiesToADefaultConfiguration)
{
    const TabletConfigurePtr copy = copyDeviceConfigure(TabletConfigure{});

    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->pen.buttons.empty());
    EXPECT_TRUE(copy->hotkey.keys.empty());
    EXPECT_TRUE(copy->hotkey.dials.empty());
    EXPECT_EQ(copy->pen.curve, PressureCurve());
    EXPECT_EQ(copy->pen.step, 5);
    EXPECT_EQ(copy->mapping, MappingConfigure());
    EXPECT_EQ(copy->common, CommonConfigure());
}
