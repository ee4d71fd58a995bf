#include "config/configure/TabletConfigure.h"
#include "config/actions/TabletMouseAction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

TEST(TabletConfigure, ValueInitialisedConfigurationHoldsTheDefaults)
{
    const TabletConfigure configure{};

    EXPECT_EQ(configure.version, 0u);
    EXPECT_TRUE(configure.model.isEmpty());
    EXPECT_EQ(configure.vid, 0u);
    EXPECT_EQ(configure.pid, 0u);
    EXPECT_FALSE(configure.display);

    const PenConfigure &pen = configure.pen;
    EXPECT_EQ(pen.curve.start, QPointF(0.0, 0.0));
    EXPECT_EQ(pen.curve.middle, QPointF(0.5, 0.5));
    EXPECT_EQ(pen.curve.end, QPointF(1.0, 1.0));
    EXPECT_FALSE(pen.curveEnabled);
    EXPECT_FALSE(pen.appHotkeys);
    EXPECT_TRUE(pen.buttons.empty());
    EXPECT_TRUE(pen.ink);
    EXPECT_FALSE(pen.relative);
    EXPECT_EQ(pen.step, 5);
    EXPECT_FALSE(pen.gameSupport);
    EXPECT_EQ(pen.capacity, 0u);

    const HotkeyConfigure &hotkey = configure.hotkey;
    EXPECT_TRUE(hotkey.keys.empty());
    EXPECT_TRUE(hotkey.virtualKeys.empty());
    EXPECT_TRUE(hotkey.dials.empty());
    EXPECT_TRUE(hotkey.touches.empty());
    EXPECT_FALSE(hotkey.appHotkeys);
    EXPECT_FALSE(hotkey.hasKeys);
    EXPECT_FALSE(hotkey.hasDial);
    EXPECT_TRUE(hotkey.dialSensitivity);
    EXPECT_FALSE(hotkey.hasTouch);

    const MappingConfigure &mapping = configure.mapping;
    EXPECT_EQ(mapping.screenIndex, 0u);
    EXPECT_TRUE(mapping.absRect.isNull());
    EXPECT_TRUE(mapping.part.isNull());
    EXPECT_EQ(mapping.desktopSize, QSize(-1, -1));
    EXPECT_TRUE(mapping.dpiRect.isNull());
    EXPECT_TRUE(mapping.dpiDesktopRect.isNull());
    EXPECT_EQ(mapping.kx, 1.0);
    EXPECT_EQ(mapping.ky, 1.0);
    EXPECT_EQ(mapping.kcx, 1.0);
    EXPECT_EQ(mapping.kcy, 1.0);
    EXPECT_EQ(mapping.flag, 0u);
    EXPECT_EQ(mapping.code, (std::array<std::uint8_t, 7>{}));
    EXPECT_EQ(mapping.id, 0u);
    EXPECT_EQ(mapping.rotation, 0);
    EXPECT_EQ(mapping.workArea, QRect(0, 0, 100, 100));

    const CommonConfigure &common = configure.common;
    EXPECT_EQ(common.language, 255u);
    EXPECT_TRUE(common.tilt);
    EXPECT_FALSE(common.pressureOff);
    EXPECT_FALSE(common.clickOff);
    EXPECT_TRUE(common.orientation);
    EXPECT_TRUE(common.message);
    EXPECT_FALSE(common.hotkeySync);
    EXPECT_FALSE(common.log);
}

TEST(TabletConfigure, StepReadFromAFileIsClampedToOneToNine)
{
    struct Case
    {
        std::uint16_t stored;
        std::int32_t expected;
    };
    const Case cases[] = {{0, 1}, {1, 1}, {5, 5}, {9, 9}, {10, 9}, {12, 9}, {65535, 9}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "stored " << c.stored);
        EXPECT_EQ(PenConfigure::clampStep(c.stored), c.expected);
    }
}

TEST(TabletConfigure, CapacityAboveTwoFallsBackToZero)
{
    struct Case
    {
        std::uint32_t stored;
        std::uint32_t expected;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {0xFFFFFFFFu, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "stored " << c.stored);
        EXPECT_EQ(PenConfigure::clampCapacity(c.stored), c.expected);
    }
}

TEST(TabletConfigure, ScaleFactorIsClampedAndAMalformedOneGivesTheDefault)
{
    struct Case
    {
        double stored;
        double expected;
    };
    const double infinity = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {-0.5, 0.0},
        {0.0, 0.0},
        {0.7, 0.7},
        {1.2, 1.2},
        {1.5, 1.2},
        {-infinity, 1.0},
        {infinity, 1.0},
        {std::numeric_limits<double>::quiet_NaN(), 1.0},
        {-std::numeric_limits<double>::quiet_NaN(), 1.0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "stored " << c.stored);
        const double clamped = MappingConfigure::clampScale(c.stored);
        EXPECT_TRUE(std::isfinite(clamped));
        EXPECT_EQ(clamped, c.expected);
    }
}

TEST(TabletConfigure, ActionPairKeepsLeftFirstAndRightSecond)
{
    const TabletActionPtr left = std::make_shared<TabletMouseAction>("left", 5);
    const TabletActionPtr right = std::make_shared<TabletMouseAction>("right", 6);

    const ActionPair pair(left, right);

    EXPECT_EQ(pair.first, left);
    EXPECT_EQ(pair.second, right);
}

TEST(TabletConfigure, TouchBindingsAreKeyedByTheirEventNumber)
{
    TabletConfigure configure{};
    const TabletActionPtr action = std::make_shared<TabletMouseAction>("touch", 5);
    configure.hotkey.touches[3] = action;

    ASSERT_EQ(configure.hotkey.touches.count(3), 1u);
    EXPECT_EQ(configure.hotkey.touches.at(3), action);
}

TEST(TabletConfigure, EqualityOfMappingNoticesEveryField)
{
    const std::function<void(MappingConfigure &)> changes[] = {
        [](MappingConfigure &m) { m.screenIndex = 2; },
        [](MappingConfigure &m) { m.absRect = QRect(0, 0, 1920, 1080); },
        [](MappingConfigure &m) { m.part = QRect(10, 10, 20, 20); },
        [](MappingConfigure &m) { m.desktopSize = QSize(3840, 1080); },
        [](MappingConfigure &m) { m.dpiRect = QRect(1, 2, 3, 4); },
        [](MappingConfigure &m) { m.dpiDesktopRect = QRect(0, 0, 2560, 1440); },
        [](MappingConfigure &m) { m.kx = 0.9; },
        [](MappingConfigure &m) { m.ky = 0.9; },
        [](MappingConfigure &m) { m.kcx = 0.9; },
        [](MappingConfigure &m) { m.kcy = 0.9; },
        [](MappingConfigure &m) { m.flag = 1; },
        [](MappingConfigure &m) { m.code[6] = 0x42; },
        [](MappingConfigure &m) { m.id = 7; },
        [](MappingConfigure &m) { m.rotation = 90; },
        [](MappingConfigure &m) { m.workArea = QRect(5, 5, 90, 90); },
    };
    const MappingConfigure defaults;
    EXPECT_EQ(defaults, MappingConfigure());
    int index = 0;
    for (const auto &change : changes) {
        SCOPED_TRACE(testing::Message() << "change " << index++);
        MappingConfigure changed;
        change(changed);
        EXPECT_NE(changed, defaults);
        EXPECT_FALSE(changed == defaults);
    }
}

TEST(TabletConfigure, EqualityOfCommonSettingsNoticesEveryField)
{
    const std::function<void(CommonConfigure &)> changes[] = {
        [](CommonConfigure &c) { c.language = 3; },
        [](CommonConfigure &c) { c.tilt = false; },
        [](CommonConfigure &c) { c.pressureOff = true; },
        [](CommonConfigure &c) { c.clickOff = true; },
        [](CommonConfigure &c) { c.orientation = false; },
        [](CommonConfigure &c) { c.message = false; },
        [](CommonConfigure &c) { c.hotkeySync = true; },
        [](CommonConfigure &c) { c.log = true; },
    };
    const CommonConfigure defaults;
    EXPECT_EQ(defaults, CommonConfigure());
    int index = 0;
    for (const auto &change : changes) {
        SCOPED_TRACE(testing::Message() << "change " << index++);
        CommonConfigure changed;
        change(changed);
        EXPECT_NE(changed, defaults);
        EXPECT_FALSE(changed == defaults);
    }
}

TEST(TabletConfigure, EqualityOfPressureCurveNoticesEachPoint)
{
    const std::function<void(PressureCurve &)> changes[] = {
        [](PressureCurve &c) { c.start = QPointF(0.1, 0.0); },
        [](PressureCurve &c) { c.middle = QPointF(0.5, 0.75); },
        [](PressureCurve &c) { c.end = QPointF(0.0, 1.0); },
    };
    const PressureCurve defaults;
    EXPECT_EQ(defaults, PressureCurve());
    int index = 0;
    for (const auto &change : changes) {
        SCOPED_TRACE(testing::Message() << "change " << index++);
        PressureCurve changed;
        change(changed);
        EXPECT_NE(changed, defaults);
    }
}

TEST(CurrentConfigure, ExistsBeforeAnyoneSetsIt)
{
    EXPECT_NE(currentConfigure(), nullptr);
}

TEST(CurrentConfigure, ReturnsTheConfigurationLastSet)
{
    const TabletConfigurePtr previous = currentConfigure();
    auto configure = std::make_shared<TabletConfigure>();
    configure->model = "TestModel";

    setCurrentConfigure(configure);
    const TabletConfigurePtr current = currentConfigure();
    setCurrentConfigure(previous);

    EXPECT_EQ(current, configure);
    EXPECT_EQ(current->model, "TestModel");
    EXPECT_EQ(currentConfigure(), previous);
}

TEST(CurrentConfigure, EditsInPlaceAreSeenByEveryReader)
{
    const TabletConfigurePtr previous = currentConfigure();
    setCurrentConfigure(std::make_shared<TabletConfigure>());

    currentConfigure()->pen.step = 8;
    const int seen = currentConfigure()->pen.step;
    setCurrentConfigure(previous);

    EXPECT_EQ(seen, 8);
}
