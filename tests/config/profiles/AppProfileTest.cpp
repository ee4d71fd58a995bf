#include "config/profiles/AppProfile.h"

#include "config/support/StoreExpectations.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"


#include <atomic>
#include <thread>
#include <utility>
#include <vector>

using namespace store_test;

namespace {

AppProfile profile(const QString &name)
{
    AppProfile p;
    p.name = name;
    p.path = "C:/Apps/" + name + ".exe";
    p.keys = {{1, keyboard("B")}};
    return p;
}

QStringList names(const AppProfileList &profiles)
{
    QStringList result;
    for (const AppProfile &p : profiles)
        result << p.name;
    return result;
}

class AppProfileListTest : public testing::Test
{
protected:
    void SetUp() override { setAppProfiles(AppProfileList{profile("start")}); }
    void TearDown() override { setAppProfiles(AppProfileList()); }
};

} // namespace

TEST(AppProfileDefaults, DefaultProfileIsEmpty)
{
    const AppProfile p;

    EXPECT_TRUE(p.name.isEmpty());
    EXPECT_TRUE(p.path.isEmpty());
    EXPECT_TRUE(p.icon.isNull());
    EXPECT_TRUE(p.buttons.empty());
    EXPECT_TRUE(p.keys.empty());
    EXPECT_TRUE(p.virtualKeys.empty());
    EXPECT_TRUE(p.dials.empty());
    EXPECT_TRUE(p.touches.empty());
}

TEST(AppProfileDefaults, SnapshotExistsBeforeAnyoneSetsTheList)
{
    EXPECT_NE(appProfilesSnapshot(), nullptr);
}

TEST_F(AppProfileListTest, ReplacingTheListPublishesANewSnapshot)
{
    const AppProfileSnapshot before = appProfilesSnapshot();

    setAppProfiles(AppProfileList{profile("a"), profile("b")});

    EXPECT_EQ(names(appProfiles()), (QStringList{"a", "b"}));
    EXPECT_EQ(names(*appProfilesSnapshot()), (QStringList{"a", "b"}));
    EXPECT_EQ(names(*before), QStringList{"start"});
}

TEST_F(AppProfileListTest, SettingTheListItAlreadyHoldsDoesNothing)
{
    const AppProfileSnapshot before = appProfilesSnapshot();

    setAppProfiles(appProfiles());
    const AppProfileList copy = appProfiles();
    setAppProfiles(copy);

    EXPECT_EQ(appProfilesSnapshot(), before);
}

TEST_F(AppProfileListTest, InPlaceEditsReachTheSnapshotOnlyWhenPublished)
{
    appProfiles()[0].name = "renamed";

    EXPECT_EQ(names(*appProfilesSnapshot()), QStringList{"start"});
    publishAppProfiles();
    EXPECT_EQ(names(*appProfilesSnapshot()), QStringList{"renamed"});
}

TEST_F(AppProfileListTest, SnapshotKeepsItsContentWhenTheListIsEditedInPlace)
{
    const AppProfileSnapshot snapshot = appProfilesSnapshot();

    appProfiles()[0].keys.clear();
    appProfiles().append(profile("more"));

    EXPECT_EQ(names(*snapshot), QStringList{"start"});
    EXPECT_EQ(snapshot->at(0).keys.size(), 1u);
}

TEST_F(AppProfileListTest, SnapshotCarriesNoIconsButTheListKeepsThem)
{
    AppProfile withIcon = profile("iconic");
    withIcon.icon = markerIcon();

    setAppProfiles(AppProfileList{withIcon});

    EXPECT_EQ(appProfiles()[0].icon.cacheKey(), withIcon.icon.cacheKey());
    EXPECT_EQ(appProfilesSnapshot()->at(0).icon.cacheKey(), QIcon().cacheKey());
    EXPECT_EQ(appProfilesSnapshot()->at(0).path, withIcon.path);
}

TEST_F(AppProfileListTest, TheSnapshotSharesNoActionWithTheListAndKeepsEveryPlace)
{
    AppProfile edited = profile("edited");
    edited.buttons = {{1, mouse(TabletMouseAction::RightClick)}};
    edited.virtualKeys = {{2, media(TabletMediaAction::VolumeUp)}, {3, nullptr}};
    edited.touches = {{4, exec("C:/Tools/tool.exe")}};
    edited.dials[1] = DialConfigure{{ActionPair(nullptr, nullptr), ActionPair(keyboard("["), nullptr)}, 1};
    setAppProfiles(AppProfileList{edited});

    const AppProfile &listed = appProfiles().at(0);
    const AppProfile &published = appProfilesSnapshot()->at(0);
    const std::vector<std::pair<const ActionMap *, const ActionMap *>> maps = {
        {&listed.buttons, &published.buttons},
        {&listed.keys, &published.keys},
        {&listed.virtualKeys, &published.virtualKeys},
        {&listed.touches, &published.touches},
    };
    for (const auto &[list, snapshot] : maps) {
        ASSERT_EQ(snapshot->size(), list->size());
        for (const auto &[number, action] : *list) {
            SCOPED_TRACE(number);
            ASSERT_EQ(snapshot->count(number), 1u);
            const TabletActionPtr &copy = snapshot->at(number);
            EXPECT_EQ(copy == nullptr, action == nullptr);
            if (action) {
                EXPECT_NE(copy, action);
                expectSameAction(copy, action);
            }
        }
    }
    const DialConfigure &dial = published.dials.at(1);
    EXPECT_EQ(dial.index, 1u);
    ASSERT_EQ(dial.pairs.size(), 2u) << "a pair without actions keeps its place";
    EXPECT_EQ(dial.pairs[0].first, nullptr);
    ASSERT_NE(dial.pairs[1].first, nullptr);
    EXPECT_NE(dial.pairs[1].first, listed.dials.at(1).pairs[1].first);
    expectSameAction(dial.pairs[1].first, listed.dials.at(1).pairs[1].first);
}

TEST_F(AppProfileListTest, ReadersOnOtherThreadsAlwaysSeeAWholeList)
{
    // Every list holds as many profiles as each profile's name says.
    setAppProfiles(AppProfileList{profile("1")});
    std::atomic<bool> stop{false};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (!stop) {
            const AppProfileSnapshot snapshot = appProfilesSnapshot();
            const int size = snapshot->size();
            for (const AppProfile &p : *snapshot) {
                if (p.name != QString::number(size))
                    ++torn;
            }
        }
    });
    for (int round = 1; round <= 200; ++round) {
        AppProfileList list;
        for (int i = 0; i < round % 7 + 1; ++i)
            list.append(profile(QString::number(round % 7 + 1)));
        setAppProfiles(list);
    }
    stop = true;
    reader.join();

    EXPECT_EQ(torn, 0);
}
