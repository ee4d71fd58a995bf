#include "ui/dialogs/actions/VDialActionDlg.h"

#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMouseAction.h"
#include "ui/widgets/VRichButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <memory>
#include <vector>

namespace {

TabletActionPtr keys(const char *text)
{
    return std::make_shared<TabletKeyboardAction>(QStringLiteral("tip ") + QLatin1String(text),
                                                  QLatin1String(text), TabletKeyboardAction::KeyCombination);
}

DialActionSelection selectionOf(std::vector<DialActionEntry> entries)
{
    DialActionSelection selection;
    selection.name = QStringLiteral("[ D-2 ]  ");
    selection.number = 2;
    selection.entries = std::move(entries);
    return selection;
}

// What one row shows: title, description and the bound action.
struct RowTexts
{
    QString title;
    QString description;
    QString content;
};

RowTexts textsOf(VDialActionDlg &dialog, const char *row)
{
    auto *button = dialog.findChild<VRichButton *>(QLatin1String(row));
    EXPECT_TRUE(button) << row;
    if (!button)
        return {};
    return {button->findChild<QLabel *>(QStringLiteral("labelTitle"))->text(),
            button->findChild<QLineEdit *>(QStringLiteral("editTitle"))->text(),
            button->findChild<QPushButton *>(QStringLiteral("btnContent"))->text()};
}

// A row of a side without an action: no title, description or action.
void expectEmptyRow(VDialActionDlg &dialog, const char *name)
{
    const RowTexts texts = textsOf(dialog, name);
    EXPECT_EQ(texts.title, QString());
    EXPECT_EQ(texts.description, QString());
    EXPECT_EQ(texts.content, QString());
}

VRichButton *row(VDialActionDlg &dialog, const char *name)
{
    return dialog.findChild<VRichButton *>(QLatin1String(name));
}

QCheckBox *check(VDialActionDlg &dialog, int function)
{
    return dialog.findChild<QCheckBox *>(QStringLiteral("checkBox%1").arg(function));
}

DialActionSelection accepted(VDialActionDlg &dialog)
{
    dialog.findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    return dialog.selection();
}

// Answers the action selection dialog in the user's place: with `chosen`, or by cancelling when
// `cancel` is set; counts the questions and keeps the last.
struct ChooserStandIn
{
    ActionChooser chooser()
    {
        return [this](QWidget *, ActionSelection &selection) {
            ++asked;
            last = selection;
            if (cancel)
                return false;
            selection.action = chosen;
            return true;
        };
    }

    TabletActionPtr chosen;
    bool cancel = false;
    int asked = 0;
    ActionSelection last;
};

} // namespace

TEST(VDialActionDlg, ShowsTheFirstFourFunctionsAndReturnsAtMostFourUnderTheCallersNameAndNumber)
{
    std::vector<DialActionEntry> six;
    for (const char *text : {"1", "2", "3", "4", "5", "6"})
        six.push_back({keys(text), keys(text)});
    VDialActionDlg dialog(selectionOf(six));

    const RowTexts fourth = textsOf(dialog, "rbRight4");
    EXPECT_EQ(fourth.title, QStringLiteral("[ R4 ]"));
    EXPECT_EQ(fourth.description, QStringLiteral("tip 4"));
    EXPECT_EQ(fourth.content, QStringLiteral("4"));

    const DialActionSelection result = accepted(dialog);
    EXPECT_EQ(result.name, QStringLiteral("[ D-2 ]  "));
    EXPECT_EQ(result.number, 2);
    ASSERT_EQ(result.entries.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NE(result.entries[i].left, six[i].left) << "a copy of its own";
        EXPECT_EQ(result.entries[i].left->displayText(), six[i].left->displayText());
    }
}

TEST(VDialActionDlg, OneSidedFunctionsAreCheckedKeepTheirEmptySideAndUncheckedOnesAreDropped)
{
    VDialActionDlg dialog(selectionOf({{nullptr, keys("R")}, {keys("L"), nullptr}, {nullptr, nullptr}, {keys("X"), keys("Y")}}));

    EXPECT_TRUE(check(dialog, 1)->isChecked());
    EXPECT_TRUE(check(dialog, 2)->isChecked());
    EXPECT_FALSE(check(dialog, 3)->isChecked());
    for (const char *empty : {"rbLeft1", "rbRight2", "rbLeft3", "rbRight3"}) {
        SCOPED_TRACE(empty);
        expectEmptyRow(dialog, empty);
    }
    EXPECT_EQ(textsOf(dialog, "rbRight1").title, QStringLiteral("[ R1 ]"));
    EXPECT_EQ(textsOf(dialog, "rbRight1").content, QStringLiteral("R"));
    EXPECT_EQ(textsOf(dialog, "rbLeft2").title, QStringLiteral("[ L2 ]"));
    check(dialog, 4)->setChecked(false);

    const DialActionSelection result = accepted(dialog);
    ASSERT_EQ(result.entries.size(), 2u);
    EXPECT_EQ(result.entries[0].left, nullptr);
    ASSERT_NE(result.entries[0].right, nullptr);
    EXPECT_EQ(result.entries[0].right->displayText(), QStringLiteral("R"));
    ASSERT_NE(result.entries[1].left, nullptr);
    EXPECT_EQ(result.entries[1].left->displayText(), QStringLiteral("L"));
    EXPECT_EQ(result.entries[1].right, nullptr);
}

TEST(VDialActionDlg, WithoutFunctionsEveryRowIsEmptyAndOkReturnsNone)
{
    VDialActionDlg dialog(selectionOf({}));
    for (const char *name : {"rbLeft1", "rbLeft4", "rbRight2", "rbRight3"}) {
        SCOPED_TRACE(name);
        expectEmptyRow(dialog, name);
    }
    EXPECT_TRUE(accepted(dialog).entries.empty());
}

TEST(VDialActionDlg, ANewChoiceShowsInTheRowUnderItsSideAndACancelledOneChangesNothing)
{
    VDialActionDlg dialog(selectionOf({{keys("A"), keys("B")}}));
    ChooserStandIn user;
    dialog.setActionChooser(user.chooser());
    const RowTexts before = textsOf(dialog, "rbRight1");

    user.cancel = true;
    emit row(dialog, "rbRight1")->clickButton();
    EXPECT_EQ(user.last.text, QStringLiteral("Right - 1"));
    EXPECT_EQ(user.last.action->displayText(), QStringLiteral("B"));
    EXPECT_FALSE(user.last.dialSwitchAllowed);
    EXPECT_EQ(textsOf(dialog, "rbRight1").title, QStringLiteral("[ R1 ]"));
    EXPECT_EQ(textsOf(dialog, "rbRight1").content, before.content);
    EXPECT_EQ(textsOf(dialog, "rbRight1").description, before.description);

    user.cancel = false;
    user.chosen = std::make_shared<TabletMouseAction>(QStringLiteral("Wheel Up"), TabletMouseAction::WheelUp);
    emit row(dialog, "rbRight1")->clickButton();
    const RowTexts after = textsOf(dialog, "rbRight1");
    EXPECT_EQ(after.title, QStringLiteral("R"));
    EXPECT_EQ(after.content, user.chosen->displayText());
    EXPECT_EQ(after.description, QStringLiteral("Wheel Up"));

    user.chosen = nullptr;
    emit row(dialog, "rbLeft3")->clickButton();
    EXPECT_EQ(user.last.text, QStringLiteral("Left - 3"));
    EXPECT_EQ(textsOf(dialog, "rbLeft3").title, QStringLiteral("L"));
    EXPECT_EQ(textsOf(dialog, "rbLeft3").description, QString());
    EXPECT_EQ(textsOf(dialog, "rbLeft3").content, QStringLiteral("Invalid"));
    EXPECT_FALSE(check(dialog, 3)->isChecked()) << "a choice leaves the box as it was";

    const DialActionSelection result = accepted(dialog);
    ASSERT_EQ(result.entries.size(), 1u);
    EXPECT_EQ(result.entries[0].left->displayText(), QStringLiteral("A"));
    EXPECT_EQ(result.entries[0].right->displayText(), after.content);
}

TEST(VDialActionDlg, EditsFollowedByCancelLeaveTheCallersActionsAsTheyWere)
{
    // The caller's actions never change (an action is immutable); what reaches the caller is the
    // selection it reads back, which holds the edits only after OK.
    const DialActionSelection given = selectionOf({{keys("A"), keys("B")}});
    for (const bool confirm : {false, true}) {
        SCOPED_TRACE(confirm ? "OK" : "Cancel");
        VDialActionDlg dialog(given);
        ChooserStandIn user;
        user.chosen = keys("Z");
        dialog.setActionChooser(user.chooser());
        emit row(dialog, "rbLeft1")->clickButton();
        emit row(dialog, "rbRight1")->titleTextFinished(QStringLiteral("my words"));
        if (confirm) {
            const DialActionSelection result = accepted(dialog);
            ASSERT_EQ(result.entries.size(), 1u);
            EXPECT_EQ(result.entries[0].left->displayText(), QStringLiteral("Z"));
            EXPECT_EQ(result.entries[0].right->tip, QStringLiteral("my words"));
            EXPECT_EQ(result.entries[0].right->displayText(), QStringLiteral("B"));
        } else {
            dialog.findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
            EXPECT_EQ(dialog.result(), QDialog::Rejected);
            EXPECT_TRUE(dialog.selection().entries.empty()) << "a cancelled dialog hands back its edits";
        }
    }
}
