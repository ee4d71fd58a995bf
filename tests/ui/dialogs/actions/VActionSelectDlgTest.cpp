#include "ui/dialogs/actions/VActionSelectDlg.h"

#include "config/actions/TabletExecAction.h"
#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMediaAction.h"
#include "config/actions/TabletMiscAction.h"
#include "config/actions/TabletMouseAction.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

// Everything an action holds, as one text, so two actions compare field by field.
QString fieldsOf(const TabletActionPtr &action)
{
    if (!action)
        return QStringLiteral("none");
    QString fields = QStringLiteral("%1|%2|").arg(action->type).arg(action->tip);
    if (const auto *keyboard = dynamic_cast<const TabletKeyboardAction *>(action.get()))
        return fields + QStringLiteral("%1|%2").arg(keyboard->text).arg(keyboard->mode);
    if (const auto *mouse = dynamic_cast<const TabletMouseAction *>(action.get()))
        return fields + QString::number(mouse->event);
    if (const auto *misc = dynamic_cast<const TabletMiscAction *>(action.get()))
        return fields + QStringLiteral("%1|%2").arg(misc->event).arg(misc->tools.join(QLatin1Char(',')));
    if (const auto *exec = dynamic_cast<const TabletExecAction *>(action.get()))
        return fields + exec->path;
    if (const auto *media = dynamic_cast<const TabletMediaAction *>(action.get()))
        return fields + QString::number(media->event);
    return fields + QStringLiteral("?");
}

ActionSelection selectionOf(TabletActionPtr action, bool dialSwitchAllowed = true)
{
    ActionSelection selection;
    selection.text = QStringLiteral("[ Upper Button ]");
    selection.action = std::move(action);
    selection.dialSwitchAllowed = dialSwitchAllowed;
    return selection;
}

struct Dialog
{
    explicit Dialog(const ActionSelection &selection) : dialog(selection) {}

    template <typename Child>
    Child *child(const char *name)
    {
        Child *found = dialog.findChild<Child *>(QLatin1String(name));
        EXPECT_TRUE(found) << name;
        return found;
    }

    QPushButton *button(const char *name) { return child<QPushButton>(name); }
    QLineEdit *edit(const char *name) { return child<QLineEdit>(name); }
    QTableWidget *shortcuts() { return child<QTableWidget>("asdTableHotkey"); }
    QListWidget *menu() { return child<QListWidget>("asdMenu"); }
    QComboBox *combo(const char *name) { return child<QComboBox>(name); }

    QStringList shortcutRows()
    {
        QStringList rows;
        for (int row = 0; row < shortcuts()->rowCount(); ++row)
            rows << shortcuts()->item(row, 0)->text();
        return rows;
    }

    // Clicks OK and tells whether the dialog closed accepted.
    bool confirm()
    {
        button("btnOK")->click();
        return dialog.result() == QDialog::Accepted;
    }

    VActionSelectDlg dialog;
};

} // namespace

TEST(VActionSelectDlg, EachKindOfActionOpensOnItsPageAndComesBackUnchanged)
{
    struct Case
    {
        const char *name;
        TabletActionPtr action;
        int row;
    };
    const Case cases[] = {
        {"shortcuts", std::make_shared<TabletKeyboardAction>("Undo and redo", "Ctrl+Z;Ctrl+Y", 0), 0},
        {"text", std::make_shared<TabletKeyboardAction>("Greeting", QString::fromUtf8("Grüße 😀"), 1), 0},
        {"mouse", std::make_shared<TabletMouseAction>("Zoom", TabletMouseAction::CtrlWheelDown), 1},
        {"switch monitor", std::make_shared<TabletMiscAction>("Next", TabletMiscAction::SwitchMonitor), 2},
        {"dial switch", std::make_shared<TabletMiscAction>("Dial", TabletMiscAction::ChangeDialAction), 2},
        {"custom tool",
         std::make_shared<TabletMiscAction>("Tools", TabletMiscAction::CustomTool, QStringList{"B", "E", "Ctrl+L"}),
         2},
        {"program", std::make_shared<TabletExecAction>("Paint", "C:/Tools/paint.exe"), 3},
        {"empty program", std::make_shared<TabletExecAction>("Nothing yet", ""), 3},
        {"media", std::make_shared<TabletMediaAction>("Louder", TabletMediaAction::VolumeUp), 4},
        {"no action", nullptr, 5},
    };
    for (const Case &entry : cases) {
        SCOPED_TRACE(entry.name);
        Dialog dialog(selectionOf(entry.action));
        EXPECT_EQ(dialog.menu()->currentRow(), entry.row);
        EXPECT_EQ(dialog.child<QTabWidget>("asdTab")->currentIndex(), entry.row);
        ASSERT_TRUE(dialog.confirm());
        const ActionSelection result = dialog.dialog.selection();
        EXPECT_EQ(fieldsOf(result.action), fieldsOf(entry.action));
        EXPECT_EQ(result.text, QStringLiteral("[ Upper Button ]"));
        EXPECT_TRUE(result.dialSwitchAllowed);
    }
}

TEST(VActionSelectDlg, ANewActionIsDescribedByItsTextAndATextToTypeIsCalledKeyboard)
{
    const TabletActionPtr opened = std::make_shared<TabletMouseAction>("My click", TabletMouseAction::LeftClick);
    struct Case
    {
        const char *name;
        std::function<void(Dialog &)> choose;
        QString expected;
    };
    const Case cases[] = {
        {"other mouse event",
         [](Dialog &d) { d.combo("comboMouse")->setCurrentIndex(2); },
         "2|Right Click|3"},
        {"media key",
         [](Dialog &d) {
             d.menu()->setCurrentRow(4);
             d.combo("comboMedia")->setCurrentIndex(6);
         },
         "5|Play/Pause|7"},
        {"text to type",
         [](Dialog &d) {
             d.menu()->setCurrentRow(0);
             d.child<QCheckBox>("checkTextMode")->setChecked(true);
             d.child<QTextEdit>("asdTextEdit")->setPlainText("hello");
         },
         "1|Keyboard|hello|1"},
        {"shortcut typed but not added",
         [](Dialog &d) {
             d.menu()->setCurrentRow(0);
             d.edit("asdEditHotkey")->setText("Ctrl+S");
         },
         "1|Ctrl+S|Ctrl+S|0"},
        {"the same event again keeps the tip",
         [](Dialog &d) { d.combo("comboMouse")->setCurrentIndex(0); },
         "2|My click|1"},
        {"nothing", [](Dialog &d) { d.menu()->setCurrentRow(5); }, "none"},
    };
    for (const Case &entry : cases) {
        SCOPED_TRACE(entry.name);
        Dialog dialog(selectionOf(opened));
        entry.choose(dialog);
        ASSERT_TRUE(dialog.confirm());
        EXPECT_EQ(fieldsOf(dialog.dialog.selection().action), entry.expected);
    }
}

TEST(VActionSelectDlg, OkStaysOpenWithoutTextShortcutOrToolAndFocusesTheEditToFill)
{
    const TabletActionPtr opened = std::make_shared<TabletMediaAction>("Mute", TabletMediaAction::VolumeMute);
    struct Case
    {
        const char *name;
        std::function<void(Dialog &)> choose;
        const char *focused;
    };
    const Case cases[] = {
        {"empty text",
         [](Dialog &d) {
             d.menu()->setCurrentRow(0);
             d.child<QCheckBox>("checkTextMode")->setChecked(true);
         },
         "asdTextEdit"},
        {"no shortcut", [](Dialog &d) { d.menu()->setCurrentRow(0); }, "asdEditHotkey"},
        {"custom tool without a checked shortcut",
         [](Dialog &d) {
             d.menu()->setCurrentRow(2);
             d.combo("comboMisc")->setCurrentIndex(2);
             d.edit("asdEditHotkeyB")->setText("Ctrl+B");
             d.child<QCheckBox>("checkToolC")->setChecked(true);
         },
         "asdEditHotkeyA"},
    };
    for (const Case &entry : cases) {
        SCOPED_TRACE(entry.name);
        Dialog dialog(selectionOf(opened));
        dialog.dialog.show();
        entry.choose(dialog);
        EXPECT_FALSE(dialog.confirm());
        EXPECT_TRUE(dialog.dialog.isVisible());
        EXPECT_EQ(dialog.dialog.selection().action, opened);
        ASSERT_TRUE(dialog.dialog.focusWidget());
        EXPECT_EQ(dialog.dialog.focusWidget()->objectName(), QLatin1String(entry.focused));
    }
}

TEST(VActionSelectDlg, WinJoinsTheCapturedShortcutOrStandsAlone)
{
    struct Case
    {
        bool win;
        const char *captured;
        QStringList rows;
    };
    const Case cases[] = {
        {true, "", {"Win"}},
        {true, "Shift+D", {"Win+Shift+D"}},
        {false, "Shift+D", {"Shift+D"}},
        {false, "", {}},
    };
    for (const Case &entry : cases) {
        SCOPED_TRACE(entry.captured);
        Dialog dialog(selectionOf(nullptr));
        dialog.menu()->setCurrentRow(0);
        dialog.child<QCheckBox>("checkWin")->setChecked(entry.win);
        dialog.edit("asdEditHotkey")->setText(entry.captured);
        dialog.button("btnAdd")->click();
        EXPECT_EQ(dialog.shortcutRows(), entry.rows);
        EXPECT_TRUE(dialog.edit("asdEditHotkey")->text().isEmpty());
    }
}

TEST(VActionSelectDlg, ANinthShortcutIsRefusedAndItsTextSelected)
{
    Dialog dialog(selectionOf(std::make_shared<TabletKeyboardAction>("", "F1;F2;F3;F4;F5;F6;F7;F8", 0)));
    ASSERT_EQ(dialog.shortcutRows().size(), 8);
    dialog.edit("asdEditHotkey")->setText("F9");
    dialog.button("btnAdd")->click();
    EXPECT_EQ(dialog.shortcutRows().size(), 8);
    EXPECT_EQ(dialog.edit("asdEditHotkey")->selectedText(), QStringLiteral("F9"));

    dialog.shortcuts()->setCurrentCell(7, 0);
    dialog.button("btnSub")->click();
    dialog.button("btnAdd")->click();
    EXPECT_EQ(dialog.shortcutRows().last(), QStringLiteral("F9"));
}

TEST(VActionSelectDlg, EmptyPartsOfAShortcutListAreDroppedAndRemovingMovesToTheLastRow)
{
    Dialog dialog(selectionOf(std::make_shared<TabletKeyboardAction>("", "Ctrl+C;;Ctrl+V;", 0)));
    EXPECT_EQ(dialog.shortcutRows(), (QStringList{"Ctrl+C", "Ctrl+V"}));
    dialog.shortcuts()->setCurrentCell(0, 0);
    dialog.button("btnSub")->click();
    EXPECT_EQ(dialog.shortcutRows(), QStringList{"Ctrl+V"});
    EXPECT_EQ(dialog.shortcuts()->currentRow(), 0);
    dialog.edit("asdEditHotkey")->setText("Alt+F4");
    dialog.button("btnClear")->click();
    EXPECT_TRUE(dialog.shortcutRows().isEmpty());
    EXPECT_TRUE(dialog.edit("asdEditHotkey")->text().isEmpty());

    Dialog twoRows(selectionOf(std::make_shared<TabletKeyboardAction>("", "Ctrl+C;;Ctrl+V", 0)));
    ASSERT_TRUE(twoRows.confirm());
    EXPECT_EQ(fieldsOf(twoRows.dialog.selection().action), "1|Ctrl+C;Ctrl+V|Ctrl+C;Ctrl+V|0");
}

TEST(VActionSelectDlg, TheDialSwitchIsRefusedWhereItIsNotAllowed)
{
    const auto dialSwitch = std::make_shared<TabletMiscAction>("", TabletMiscAction::ChangeDialAction);
    {
        Dialog dialog(selectionOf(dialSwitch, false));
        EXPECT_FALSE(dialog.button("btnOK")->isEnabled());
        dialog.menu()->setCurrentRow(1);
        EXPECT_EQ(dialog.combo("comboMisc")->currentIndex(), 0);
        EXPECT_TRUE(dialog.button("btnOK")->isEnabled());
        dialog.menu()->setCurrentRow(2);
        dialog.combo("comboMisc")->setCurrentIndex(3);
        EXPECT_FALSE(dialog.button("btnOK")->isEnabled());
        dialog.combo("comboMisc")->setCurrentIndex(1);
        EXPECT_TRUE(dialog.button("btnOK")->isEnabled());
    }
    {
        Dialog dialog(selectionOf(dialSwitch, true));
        EXPECT_TRUE(dialog.button("btnOK")->isEnabled());
        dialog.combo("comboMisc")->setCurrentIndex(3);
        EXPECT_TRUE(dialog.button("btnOK")->isEnabled());
    }
}

TEST(VActionSelectDlg, TheTextToTypeIsCutTo255WithoutSplittingACharacter)
{
    const QString face = QString::fromUtf8("😀");
    ASSERT_EQ(face.size(), 2);
    struct Case
    {
        const char *name;
        QString text;
        QString kept;
    };
    const Case cases[] = {
        {"300 letters", QString(300, QLatin1Char('a')), QString(255, QLatin1Char('a'))},
        {"a pair across the limit", QString(254, QLatin1Char('a')) + face + "bb", QString(254, QLatin1Char('a'))},
        {"a pair just inside", QString(253, QLatin1Char('a')) + face + "bb", QString(253, QLatin1Char('a')) + face},
        {"short", "short", "short"},
    };
    for (const Case &entry : cases) {
        SCOPED_TRACE(entry.name);
        Dialog dialog(selectionOf(std::make_shared<TabletKeyboardAction>("", "x", 1)));
        auto *edit = dialog.child<QTextEdit>("asdTextEdit");
        edit->setPlainText(entry.text);
        EXPECT_EQ(edit->toPlainText(), entry.kept);
        EXPECT_EQ(dialog.child<QLabel>("labelCharCount")->text(), QStringLiteral("%1/255").arg(entry.kept.size()));
    }
}

TEST(VActionSelectDlg, TextModeSwapsTheShortcutControlsForTheTextBox)
{
    Dialog dialog(selectionOf(std::make_shared<TabletKeyboardAction>("", "Ctrl+Z", 0)));
    dialog.dialog.show();
    const char *shortcutParts[] = {"asdEditHotkey", "asdTableHotkey", "btnAdd", "btnSub", "checkWin"};
    for (bool textMode : {true, false}) {
        SCOPED_TRACE(textMode);
        dialog.child<QCheckBox>("checkTextMode")->setChecked(textMode);
        for (const char *part : shortcutParts)
            EXPECT_EQ(dialog.child<QWidget>(part)->isVisible(), !textMode) << part;
        EXPECT_EQ(dialog.child<QTextEdit>("asdTextEdit")->isVisible(), textMode);
        EXPECT_EQ(dialog.child<QLabel>("labelCharCount")->isVisible(), textMode);
        EXPECT_TRUE(dialog.button("btnClear")->isVisible());
    }
}

TEST(VActionSelectDlg, CtrlTabAndShiftTabDoNotSwitchThePages)
{
    Dialog dialog(selectionOf(std::make_shared<TabletKeyboardAction>("", "Ctrl+Z", 0)));
    auto *pages = dialog.child<QTabWidget>("asdTab");
    // Ctrl+Tab let through turns the page; Shift+Tab moves the focus back to the page's previous
    // field.
    dialog.dialog.show();
    QApplication::setActiveWindow(&dialog.dialog);
    QLineEdit *focused = dialog.edit("asdEditHotkey");
    focused->setFocus();
    ASSERT_TRUE(focused->hasFocus());
    for (Qt::KeyboardModifier modifier : {Qt::ControlModifier, Qt::ShiftModifier}) {
        SCOPED_TRACE(modifier);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, modifier);
        QApplication::sendEvent(pages, &press);
        EXPECT_EQ(pages->currentIndex(), 0);
        EXPECT_TRUE(focused->hasFocus());
    }
}

TEST(VActionSelectDlg, ClosingWithTheTitleBarRejectsAndKeepsTheAction)
{
    const TabletActionPtr opened = std::make_shared<TabletMouseAction>("", 1);
    Dialog dialog(selectionOf(opened));
    dialog.combo("comboMouse")->setCurrentIndex(3);
    dialog.button("close")->click();
    EXPECT_EQ(dialog.dialog.result(), int(QDialog::Rejected));
    EXPECT_EQ(dialog.dialog.selection().action, opened);
}
