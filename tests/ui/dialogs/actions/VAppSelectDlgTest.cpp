#include "ui/dialogs/actions/VAppSelectDlg.h"

#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMouseAction.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <functional>
#include <memory>
#include <set>
#include <vector>

namespace {

ProcessEntry program(const char *name)
{
    ProcessEntry process;
    process.name = QLatin1String(name);
    process.path = QStringLiteral("C:/Apps/") + process.name + QStringLiteral(".exe");
    return process;
}

QStringList names(const AppProfileList &profiles)
{
    QStringList result;
    for (const AppProfile &profile : profiles)
        result << profile.name;
    return result;
}

void choose(VAppSelectDlg &dialog, const char *name)
{
    QTableWidget *table = dialog.findChild<QTableWidget *>(QStringLiteral("asdTableProcess"));
    const QList<QTableWidgetItem *> found = table->findItems(QLatin1String(name), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name;
    table->setCurrentItem(found.first());
}

void press(VAppSelectDlg &dialog, const char *button)
{
    dialog.findChild<QPushButton *>(QLatin1String(button))->click();
}

void selectProfile(VAppSelectDlg &dialog, int column)
{
    dialog.findChild<QTableWidget *>(QStringLiteral("asdTableUser"))->setCurrentCell(0, column);
}

// The process-wide list and the current configuration, restored after each test.
class VAppSelectDlgTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AppProfile existing;
        existing.name = QStringLiteral("GIMP");
        existing.path = QStringLiteral("C:/Apps/GIMP.exe");
        setAppProfiles(AppProfileList{existing});
        configure = std::make_shared<TabletConfigure>();
        configure->pen.buttons[1] = std::make_shared<TabletMouseAction>(QStringLiteral("Right"), TabletMouseAction::RightClick);
        configure->hotkey.keys[1] = std::make_shared<TabletKeyboardAction>(QStringLiteral("Undo"), QStringLiteral("Ctrl+Z"), 0);
        configure->hotkey.dials[1].pairs.emplace_back(configure->hotkey.keys[1], nullptr);
        configure->hotkey.touches[2] = configure->hotkey.keys[1];
        setCurrentConfigure(configure);
    }
    void TearDown() override
    {
        setAppProfiles(AppProfileList());
        setCurrentConfigure(std::make_shared<TabletConfigure>());
    }

    TabletConfigurePtr configure;
    const std::vector<ProcessEntry> running = {program("krita"), program("Blender"), program("GIMP"), program("blender2")};
};

} // namespace

TEST_F(VAppSelectDlgTest, ListsTheRunningProgramsByNameWhateverTheirCase)
{
    VAppSelectDlg dialog(running);
    QTableWidget *table = dialog.findChild<QTableWidget *>(QStringLiteral("asdTableProcess"));
    QStringList shown;
    for (int row = 0; row < table->rowCount(); ++row)
        shown << table->item(row, 0)->text();
    EXPECT_EQ(shown, (QStringList{"Blender", "blender2", "GIMP", "krita"}));
}

TEST_F(VAppSelectDlgTest, OkAddsOnlyWhatWasChosenSinceTheLastChangeAndNoProgramTwice)
{
    const struct {
        const char *what;
        std::function<void(VAppSelectDlg &)> steps;
        QStringList expected;
    } cases[] = {
        {"OK with a program chosen", [](VAppSelectDlg &dialog) { choose(dialog, "krita"); },
         {"GIMP", "krita"}},
        {"added twice", [](VAppSelectDlg &dialog) {
             choose(dialog, "krita");
             press(dialog, "btnAdd");
             choose(dialog, "krita");
             press(dialog, "btnAdd");
         }, {"GIMP", "krita"}},
        {"a program already profiled", [](VAppSelectDlg &dialog) { choose(dialog, "GIMP"); }, {"GIMP"}},
        {"added, then removed", [](VAppSelectDlg &dialog) {
             choose(dialog, "krita");
             press(dialog, "btnAdd");
             selectProfile(dialog, 1);
             press(dialog, "btnSub");
         }, {"GIMP"}},
        {"all cleared after choosing one", [](VAppSelectDlg &dialog) {
             choose(dialog, "Blender");
             press(dialog, "btnClear");
         }, {}},
        {"removed, then another chosen", [](VAppSelectDlg &dialog) {
             selectProfile(dialog, 0);
             press(dialog, "btnSub");
             choose(dialog, "blender2");
         }, {"blender2"}},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        SetUp();
        VAppSelectDlg dialog(running);
        entry.steps(dialog);
        press(dialog, "btnOK");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(names(appProfiles()), entry.expected);
    }
}

// A dial of a staying profile that moved on to its next pair while the dialog was open stays there.
TEST_F(VAppSelectDlgTest, OkChangesWhichProgramsHaveAProfileAndNothingInAStayingOne)
{
    VAppSelectDlg dialog(running);
    choose(dialog, "krita");
    appProfiles()[0].dials[1].index = 1;
    press(dialog, "btnOK");
    EXPECT_EQ(names(appProfiles()), (QStringList{"GIMP", "krita"}));
    EXPECT_EQ(appProfiles()[0].dials[1].index, 1);
}

TEST_F(VAppSelectDlgTest, CancelLeavesTheListAsItWas)
{
    const AppProfileSnapshot before = appProfilesSnapshot();
    VAppSelectDlg dialog(running);
    choose(dialog, "krita");
    press(dialog, "btnAdd");
    press(dialog, "btnClear");
    press(dialog, "btnCancel");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(names(appProfiles()), QStringList{"GIMP"});
    EXPECT_EQ(appProfilesSnapshot(), before);
}

TEST_F(VAppSelectDlgTest, ANewProfileCopiesTheBindingsButSharesNoActionWithTheConfiguration)
{
    VAppSelectDlg dialog(running);
    choose(dialog, "krita");
    press(dialog, "btnOK");
    ASSERT_EQ(appProfiles().size(), 2);
    const AppProfile &added = appProfiles().at(1);
    EXPECT_EQ(added.path, QStringLiteral("C:/Apps/krita.exe"));
    std::set<const TabletAction *> shared;
    const auto expectCopy = [&](const TabletActionPtr &copy, const TabletActionPtr &original) {
        ASSERT_NE(copy, nullptr);
        EXPECT_NE(copy, original);
        EXPECT_EQ(copy->displayText(), original->displayText());
        EXPECT_EQ(copy->tip, original->tip);
    };
    expectCopy(added.buttons.at(1), configure->pen.buttons.at(1));
    expectCopy(added.keys.at(1), configure->hotkey.keys.at(1));
    expectCopy(added.dials.at(1).pairs.at(0).first, configure->hotkey.dials.at(1).pairs.at(0).first);
    expectCopy(added.touches.at(2), configure->hotkey.touches.at(2));
}

TEST_F(VAppSelectDlgTest, EachProfileShowsItsIconUnderItsNameAndADoubleClickRemovesIt)
{
    QPixmap picture(32, 32);
    picture.fill(Qt::red);
    AppProfileList withIcon = appProfiles();
    withIcon[0].icon = QIcon(picture);
    setAppProfiles(withIcon);
    VAppSelectDlg dialog(running);
    QTableWidget *user = dialog.findChild<QTableWidget *>(QStringLiteral("asdTableUser"));
    ASSERT_EQ(user->columnCount(), 1);
    auto *label = qobject_cast<QLabel *>(user->cellWidget(0, 0));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->toolTip(), QStringLiteral("GIMP"));
    EXPECT_EQ(label->pixmap(Qt::ReturnByValue).toImage().pixelColor(16, 16), QColor(Qt::red));

    user->setCurrentCell(0, 0);
    emit user->cellDoubleClicked(0, 0);
    EXPECT_EQ(user->columnCount(), 0);
    press(dialog, "btnOK");
    EXPECT_TRUE(appProfiles().isEmpty());
}
