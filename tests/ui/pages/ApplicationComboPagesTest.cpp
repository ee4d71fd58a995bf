#include "config/language/TabletLanguage.h"
#include "config/profiles/AppProfile.h"
#include "ui/pages/VHotkeyPanel.h"
#include "ui/pages/VMappingPanel.h"
#include "ui/pages/VPenPanel.h"
#include "ui/pages/VSettingsPanel.h"

#include <QComboBox>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr int kEnglish = 0;
constexpr int kGerman = 4;

QStringList entries(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

template <typename Page>
void expectApplicationList(const char *name)
{
    SCOPED_TRACE(name);
    const AppProfileList saved = appProfiles();
    AppProfileList profiles;
    for (const char *name : {"Krita", "GIMP"}) {
        AppProfile profile;
        profile.name = QLatin1String(name);
        profiles.append(profile);
    }
    setAppProfiles(profiles);

    Page page;
    QComboBox *combo = page.applicationCombo();
    page.fillApplicationCombo();
    EXPECT_EQ(entries(combo), (QStringList{QStringLiteral("All Applications"), QStringLiteral("Krita"),
                                           QStringLiteral("GIMP"), QStringLiteral("Edit Options...")}));
    EXPECT_EQ(combo->currentIndex(), 0);

    combo->setCurrentIndex(2);
    setAppProfiles(AppProfileList());
    page.fillApplicationCombo();
    EXPECT_EQ(entries(combo), (QStringList{QStringLiteral("All Applications"), QStringLiteral("Edit Options...")}));
    EXPECT_EQ(combo->currentIndex(), 0);

    setAppProfiles(saved);
}

// A page that records whether its applyConfigure reached the main window's handler.
struct ApplyProbe
{
    ApplyProbe() { UIConfigure::setApplyHandler([this] { ++applied; }); }
    ~ApplyProbe() { UIConfigure::setApplyHandler(nullptr); }
    int applied = 0;
};

} // namespace

TEST(ApplicationComboPages, ListAllApplicationsEveryProfileAndEditOptions)
{
    expectApplicationList<VPenPanel>("pen page");
    expectApplicationList<VHotkeyPanel>("express-key page");
}

TEST(PagePushes, ApplyReachesTheMainWindowExceptWhileThePageRefreshes)
{
    const std::vector<std::pair<const char *, std::function<std::unique_ptr<QWidget>()>>> pages = {
        {"pen", [] { return std::make_unique<VPenPanel>(); }},
        {"express keys", [] { return std::make_unique<VHotkeyPanel>(); }},
        {"mapping", [] { return std::make_unique<VMappingPanel>(); }},
        {"settings", [] { return std::make_unique<VSettingsPanel>(); }},
    };
    // Values that no page shows when it is made: the refresh moves the widgets whose change
    // handlers ask for an apply.
    auto shown = std::make_shared<TabletConfigure>();
    shown->pen.ink = true;
    shown->pen.step = 9;
    shown->mapping.rotation = 2;
    shown->mapping.workArea = QRect(10, 10, 50, 50);
    shown->common.language = kGerman;
    for (const auto &entry : pages) {
        SCOPED_TRACE(entry.first);
        setCurrentConfigure(std::make_shared<TabletConfigure>(*shown));
        ApplyProbe probe;
        std::unique_ptr<QWidget> page = entry.second();
        auto *configurable = dynamic_cast<UIConfigure *>(page.get());
        ASSERT_TRUE(configurable);
        EXPECT_EQ(page->size(), QSize(778, 632));
        configurable->updating = true;
        configurable->applyConfigure();
        EXPECT_EQ(probe.applied, 0);
        configurable->updating = false;
        configurable->updateFromConfigure();
        EXPECT_EQ(probe.applied, 0) << "the refresh wrote back what it loaded";
        probe.applied = 0;
        configurable->applyConfigure();
        EXPECT_EQ(probe.applied, 1) << "the refresh left the page refusing edits";
    }
    TabletLanguage::instance().setLanguage(kEnglish);
    setCurrentConfigure(std::make_shared<TabletConfigure>());
}
