#include "engine/actions/DialActionSwitch.h"

#include "config/actions/TabletKeyboardAction.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr std::uint16_t kDial = 1;

TabletActionPtr key(const char *text)
{
    return std::make_shared<TabletKeyboardAction>(QString(), QString::fromLatin1(text), 0);
}

DialConfigure dialOf(int pairs, std::uint16_t index)
{
    DialConfigure dial;
    for (int i = 0; i < pairs; ++i)
        dial.pairs.emplace_back(key("A"), key("B"));
    dial.index = index;
    return dial;
}

ProcessEntry krita()
{
    ProcessEntry process;
    process.name = QStringLiteral("KRITA");
    process.path = QStringLiteral("C:/Apps/krita.exe");
    return process;
}

} // namespace

TEST(DialActionSwitch, AdvancesTheDialOfTheBindingsTheEngineRuns)
{
    const ProcessEntry foreground = krita();
    ProcessEntry other = krita();
    other.path = QStringLiteral("C:/Apps/notepad.exe");
    other.name = QStringLiteral("NOTEPAD");
    const struct {
        const char *what;
        bool appHotkeys;
        const ProcessEntry *foreground;
        bool profileHasDial;
        bool expectFound;
        bool expectInProfile;
        std::uint16_t expectedConfigureIndex;
        std::uint16_t expectedProfileIndex;
    } cases[] = {
        {"per-application bindings, profile in front", true, &foreground, true, true, true, 2, 2},
        {"per-application bindings off: the configuration's dial", false, &foreground, true, true, false, 0, 1},
        {"no foreground program", true, nullptr, true, true, false, 0, 1},
        {"another program in front", true, &other, true, true, false, 0, 1},
        {"the profile leaves the dial unbound", true, &foreground, false, false, true, 2, 0},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        TabletConfigure configure;
        configure.hotkey.appHotkeys = entry.appHotkeys;
        configure.hotkey.dials[kDial] = dialOf(3, 2);
        AppProfile profile;
        profile.name = QStringLiteral("Krita");
        profile.path = foreground.path;
        if (entry.profileHasDial)
            profile.dials[kDial] = dialOf(3, 1);
        AppProfileList profiles{profile};

        const DialActionSwitch::Outcome outcome =
                DialActionSwitch::advance(configure, profiles, entry.foreground, kDial);

        EXPECT_EQ(outcome.found, entry.expectFound);
        EXPECT_EQ(outcome.found && outcome.inProfile, entry.expectFound && entry.expectInProfile);
        EXPECT_EQ(configure.hotkey.dials.at(kDial).index, entry.expectedConfigureIndex);
        if (entry.profileHasDial) {
            EXPECT_EQ(profiles[0].dials.at(kDial).index, entry.expectedProfileIndex);
        }
        EXPECT_EQ(outcome.pair.has_value(), entry.expectFound);
    }
}

TEST(DialActionSwitch, WrapsAfterTheLastPairAndGoesToZeroWithoutPairs)
{
    const struct {
        int pairs;
        std::uint16_t index;
        std::uint16_t expectedIndex;
        bool expectPair;
    } cases[] = {
        {3, 2, 0, true}, {3, 0, 1, true}, {1, 0, 0, true}, {0, 0, 0, false}, {0, 5, 0, false}, {2, 7, 0, true},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.pairs << " pairs at " << entry.index);
        TabletConfigure configure;
        configure.hotkey.dials[kDial] = dialOf(entry.pairs, entry.index);
        AppProfileList profiles;

        const DialActionSwitch::Outcome outcome = DialActionSwitch::advance(configure, profiles, nullptr, kDial);

        EXPECT_TRUE(outcome.found);
        EXPECT_EQ(configure.hotkey.dials.at(kDial).index, entry.expectedIndex);
        ASSERT_EQ(outcome.pair.has_value(), entry.expectPair);
        if (entry.expectPair) {
            EXPECT_EQ(outcome.pair->first, configure.hotkey.dials.at(kDial).pairs[entry.expectedIndex].first);
        }
    }
    TabletConfigure unbound;
    AppProfileList profiles;
    EXPECT_FALSE(DialActionSwitch::advance(unbound, profiles, nullptr, kDial).found);
}
