#include "ui/dialogs/actions/VActionSelectDlg.h"

#include "config/actions/TabletExecAction.h"
#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMediaAction.h"
#include "config/actions/TabletMiscAction.h"
#include "config/actions/TabletMouseAction.h"
#include "config/configure/ConfigureCopy.h"
#include "ui/dialogs/actions/TabWidgetEventFilter.h"
#include "ui/dialogs/actions/TextLimit.h"
#include "ui/widgets/VTitleBar.h"
#include "ui/widgets/WindowHelpers.h"
#include "ui_VActionSelectDlg.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QScrollBar>
#include <QTabBar>

namespace {

const QColor kShadowColor(100, 100, 108, 100);
constexpr int kShadowBlur = 10;
const QSize kMenuItemSize(180, 36);
const QChar kShortcutSeparator = QLatin1Char(';');
const QString kWinKey = QStringLiteral("Win");

void setComboIndex(QComboBox *combo, std::uint32_t event)
{
    if (event >= 1 && event <= std::uint32_t(combo->count()))
        combo->setCurrentIndex(int(event) - 1);
}

std::uint32_t eventOf(const QComboBox *combo)
{
    return std::uint32_t(combo->currentIndex() + 1);
}

} // namespace

VActionSelectDlg::VActionSelectDlg(const ActionSelection &selection, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::VActionSelectDlg>())
{
    ui->setupUi(this);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VActionSelectDlg.qss"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    addDropShadow(ui->asdFrame, kShadowColor, kShadowBlur);
    for (QComboBox *combo : {ui->comboMouse, ui->comboMisc, ui->comboMedia})
        styleComboPopup(combo);
    ui->asdWidgetTitle->setButtons(VTitleBar::Close);

    for (QWidget *widget : std::initializer_list<QWidget *>{
                 ui->asdMenu, this, ui->asdTab, ui->btnClear, ui->btnAdd, ui->btnSub, ui->checkWin,
                 ui->btnCancel, ui->btnOK})
        widget->setFocusPolicy(Qt::NoFocus);
    ui->asdTab->installEventFilter(new TabWidgetEventFilter(ui->asdTab));

    current = selection;
    fillPages();
    showSelection();
}

VActionSelectDlg::~VActionSelectDlg() = default;

ActionSelection VActionSelectDlg::selection() const
{
    return current;
}

void VActionSelectDlg::fillPages()
{
    ui->btnAdd->setToolTip(tr("Add"));
    ui->btnSub->setToolTip(tr("Remove"));
    ui->btnClear->setToolTip(tr("Clear all"));
    setUpShortcutTable();
    ui->asdTab->tabBar()->hide();
    ui->asdMenu->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->asdMenu->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fillMenu();
    const QString placeholder = tr("Enter a shortcut key (e.g., Ctrl+Z):");
    for (VHotkeyCaptureEdit *edit : {ui->asdEditHotkey, ui->asdEditHotkeyA, ui->asdEditHotkeyB, ui->asdEditHotkeyC}) {
        edit->setPlaceholderText(placeholder);
        edit->setToolTip(placeholder);
    }
    ui->asdTextEdit->hide();
    ui->labelCharCount->hide();
    fillCombos();
    ui->asdTextAppPath->setReadOnly(true);
}

void VActionSelectDlg::setUpShortcutTable()
{
    QTableWidget *table = ui->asdTableHotkey;
    setUpApplicationTable(table, tr("Application"));
}

void VActionSelectDlg::fillMenu()
{
    const QString texts[] = {tr("Keyboard"), tr("Mouse"), tr("Switch"),
                             tr("Application"), tr("Media"), tr("Invalid")};
    for (const QString &text : texts) {
        auto *item = new QListWidgetItem(text, ui->asdMenu);
        item->setSizeHint(kMenuItemSize);
    }
}

void VActionSelectDlg::fillCombos()
{
    ui->comboMouse->addItems({tr("Left Click"), tr("Middle Click"), tr("Right Click"),
                              tr("Left Double Click"), tr("Wheel Up"), tr("Wheel Down"),
                              tr("Ctrl + Wheel Up"), tr("Ctrl + Wheel Down")});
    ui->comboMisc->addItems({tr("Switch Monitor"), tr("Pen/Eraser"), tr("Custom Tool"),
                             tr("Change Dial Action")});
    ui->comboMedia->addItems({tr("Browser Back"), tr("Browser Forward"), tr("Browser Refresh"),
                              tr("Browser Home"), tr("Previous Track"), tr("Next Track"),
                              tr("Play/Pause"), tr("Volume Mute"), tr("Volume -"), tr("Volume +")});
    for (QComboBox *combo : {ui->comboMouse, ui->comboMisc, ui->comboMedia})
        combo->setCurrentIndex(0);
}

void VActionSelectDlg::showSelection()
{
    ui->asdWidgetTitle->setTitle(current.text);
    if (current.action) {
        originalDisplayText = current.action->displayText();
        originalTip = current.action->tip;
        showAction(*current.action);
        return;
    }
    ui->asdMenu->setCurrentRow(NothingRow);
}

void VActionSelectDlg::showAction(const TabletAction &action)
{
    switch (action.type) {
    case TabletAction::Keyboard:
        showKeyboardAction(action);
        break;
    case TabletAction::Mouse:
        ui->asdMenu->setCurrentRow(MouseRow);
        if (const auto *mouse = dynamic_cast<const TabletMouseAction *>(&action))
            setComboIndex(ui->comboMouse, mouse->event);
        break;
    case TabletAction::Misc:
        showMiscAction(action);
        break;
    case TabletAction::Exec:
        ui->asdMenu->setCurrentRow(ApplicationRow);
        if (const auto *exec = dynamic_cast<const TabletExecAction *>(&action))
            ui->asdTextAppPath->setPlainText(exec->path);
        break;
    case TabletAction::Media:
        ui->asdMenu->setCurrentRow(MediaRow);
        if (const auto *media = dynamic_cast<const TabletMediaAction *>(&action))
            setComboIndex(ui->comboMedia, media->event);
        break;
    default:
        ui->asdMenu->setCurrentRow(NothingRow);
        break;
    }
}

void VActionSelectDlg::showKeyboardAction(const TabletAction &action)
{
    ui->asdMenu->setCurrentRow(KeyboardRow);
    const auto *keyboard = dynamic_cast<const TabletKeyboardAction *>(&action);
    if (!keyboard)
        return;
    if (keyboard->typesText()) {
        ui->asdTextEdit->setPlainText(keyboard->text);
        ui->checkTextMode->setChecked(true);
        return;
    }
    ui->checkTextMode->setChecked(false);
    ui->asdEditHotkey->setFocus();
    for (const QString &keys : keyboard->text.split(kShortcutSeparator, Qt::SkipEmptyParts))
        appendShortcut(keys);
}

void VActionSelectDlg::showMiscAction(const TabletAction &action)
{
    ui->asdMenu->setCurrentRow(SwitchRow);
    const auto *misc = dynamic_cast<const TabletMiscAction *>(&action);
    if (!misc)
        return;
    setComboIndex(ui->comboMisc, misc->event);
    if (misc->event != TabletMiscAction::CustomTool)
        return;
    VHotkeyCaptureEdit *edits[] = {ui->asdEditHotkeyA, ui->asdEditHotkeyB, ui->asdEditHotkeyC};
    QCheckBox *checks[] = {ui->checkToolA, ui->checkToolB, ui->checkToolC};
    for (int i = 0; i < 3 && i < misc->tools.size(); ++i) {
        edits[i]->setText(misc->tools.at(i));
        checks[i]->setChecked(true);
    }
}

bool VActionSelectDlg::isTextMode() const
{
    return ui->checkTextMode->isChecked();
}

void VActionSelectDlg::appendShortcut(const QString &keys)
{
    QTableWidget *table = ui->asdTableHotkey;
    const int row = table->rowCount();
    table->insertRow(row);
    table->setItem(row, 0, new QTableWidgetItem(keys));
}

QString VActionSelectDlg::shortcutList() const
{
    QStringList rows;
    for (int row = 0; row < ui->asdTableHotkey->rowCount(); ++row) {
        const QTableWidgetItem *item = ui->asdTableHotkey->item(row, 0);
        rows << (item ? item->text() : QString());
    }
    return rows.join(kShortcutSeparator);
}

QStringList VActionSelectDlg::customTools() const
{
    QStringList tools;
    const std::pair<const QCheckBox *, const QLineEdit *> rows[] = {
        {ui->checkToolA, ui->asdEditHotkeyA},
        {ui->checkToolB, ui->asdEditHotkeyB},
        {ui->checkToolC, ui->asdEditHotkeyC},
    };
    for (const auto &[check, edit] : rows) {
        if (check->isChecked() && !edit->text().isEmpty())
            tools << edit->text();
    }
    return tools;
}

void VActionSelectDlg::on_btnCancel_clicked()
{
    reject();
}

void VActionSelectDlg::on_btnOK_clicked()
{
    bool complete = true;
    TabletActionPtr action = buildAction(complete);
    if (!complete)
        return;
    if (action) {
        const QString tip = finalTip(*action);
        if (tip != action->tip)
            action = cloneActionWithTip(*action, tip);
    }
    current.action = action;
    accept();
}

TabletActionPtr VActionSelectDlg::buildAction(bool &complete)
{
    complete = true;
    switch (ui->asdMenu->currentRow()) {
    case KeyboardRow:
        return isTextMode() ? buildTextAction(complete) : buildShortcutAction(complete);
    case MouseRow:
        return std::make_shared<TabletMouseAction>(tr("Mouse"), eventOf(ui->comboMouse));
    case SwitchRow: {
        const std::uint32_t event = eventOf(ui->comboMisc);
        QStringList tools;
        if (event == TabletMiscAction::CustomTool) {
            tools = customTools();
            if (tools.isEmpty()) {
                ui->asdEditHotkeyA->setFocus();
                complete = false;
                return {};
            }
        }
        return std::make_shared<TabletMiscAction>(tr("Switch"), event, tools);
    }
    case ApplicationRow:
        return std::make_shared<TabletExecAction>(tr("Application"), ui->asdTextAppPath->toPlainText());
    case MediaRow:
        return std::make_shared<TabletMediaAction>(tr("Media"), eventOf(ui->comboMedia));
    default:
        return {};
    }
}

TabletActionPtr VActionSelectDlg::buildTextAction(bool &complete)
{
    const QString text = ui->asdTextEdit->toPlainText();
    if (text.isEmpty()) {
        ui->asdTextEdit->setFocus();
        complete = false;
        return {};
    }
    return std::make_shared<TabletKeyboardAction>(tr("Keyboard"), text, TabletKeyboardAction::TypedText);
}

// A shortcut typed but not added yet counts as the only one.
TabletActionPtr VActionSelectDlg::buildShortcutAction(bool &complete)
{
    if (ui->asdTableHotkey->rowCount() == 0 && !ui->asdEditHotkey->text().isEmpty())
        on_btnAdd_clicked();
    const QString keys = shortcutList();
    if (keys.isEmpty()) {
        ui->asdEditHotkey->setFocus();
        complete = false;
        return {};
    }
    return std::make_shared<TabletKeyboardAction>(tr("Keyboard"), keys, TabletKeyboardAction::KeyCombination);
}

// Confirming the action the dialog opened with keeps its tip; a new action is described by its
// own text, except a text to type, which is only called a keyboard action.
QString VActionSelectDlg::finalTip(const TabletAction &action) const
{
    const QString display = action.displayText();
    if (current.action && display == originalDisplayText)
        return originalTip;
    const auto *keyboard = dynamic_cast<const TabletKeyboardAction *>(&action);
    if (keyboard && keyboard->typesText())
        return action.tip;
    return display;
}

void VActionSelectDlg::on_asdMenu_currentItemChanged(QListWidgetItem *, QListWidgetItem *)
{
    const int row = ui->asdMenu->currentRow();
    if (row < 0)
        return;
    ui->asdTab->setCurrentIndex(row);
    if (row != SwitchRow)
        ui->comboMisc->setCurrentIndex(0);
}

void VActionSelectDlg::on_asdMenu_itemClicked(QListWidgetItem *item)
{
    if (ui->asdMenu->row(item) == KeyboardRow)
        ui->asdEditHotkey->setFocus();
}

// The box is read when a shortcut is added.
void VActionSelectDlg::on_checkWin_stateChanged(int)
{
}

void VActionSelectDlg::on_checkTextMode_stateChanged(int state)
{
    const bool textMode = state == Qt::Checked;
    for (QWidget *shortcutPart : std::initializer_list<QWidget *>{
                 ui->asdEditHotkey, ui->asdTableHotkey, ui->btnAdd, ui->btnSub, ui->checkWin})
        shortcutPart->setVisible(!textMode);
    ui->asdTextEdit->setVisible(textMode);
    ui->labelCharCount->setVisible(textMode);
}

void VActionSelectDlg::on_asdTextEdit_textChanged()
{
    QTextEdit *edit = ui->asdTextEdit;
    const QString text = edit->toPlainText();
    int length = text.size();
    if (length > kMaximumTextLength) {
        const int position = edit->textCursor().position();
        const QString kept = cutToLength(text, kMaximumTextLength);
        length = kept.size();
        edit->setPlainText(kept);
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(qMin(position, length));
        edit->setTextCursor(cursor);
    }
    ui->labelCharCount->setText(QStringLiteral("%1/%2").arg(length).arg(kMaximumTextLength));
}

void VActionSelectDlg::on_btnAdd_clicked()
{
    QString keys = ui->asdEditHotkey->text();
    if (ui->checkWin->isChecked())
        keys = keys.isEmpty() ? kWinKey : kWinKey + QLatin1Char('+') + keys;
    if (!keys.isEmpty()) {
        QTableWidget *table = ui->asdTableHotkey;
        if (table->rowCount() >= kMaximumShortcuts) {
            ui->asdEditHotkey->selectAll();
            return;
        }
        appendShortcut(keys);
        if (table->verticalScrollBar()->isVisible())
            table->scrollToBottom();
        ui->asdEditHotkey->clear();
    }
    ui->asdEditHotkey->setFocus();
}

void VActionSelectDlg::on_btnSub_clicked()
{
    QTableWidget *table = ui->asdTableHotkey;
    const int row = table->currentRow();
    if (row < 0)
        return;
    table->removeRow(row);
    if (table->rowCount() > 0)
        table->setCurrentCell(table->rowCount() - 1, 0);
}

void VActionSelectDlg::on_btnClear_clicked()
{
    if (isTextMode()) {
        ui->asdTextEdit->clear();
        return;
    }
    ui->asdTableHotkey->setRowCount(0);
    ui->asdEditHotkey->clear();
    ui->asdEditHotkey->setFocus();
}

void VActionSelectDlg::on_comboMisc_currentIndexChanged(int index)
{
    ui->customToolFrame->setVisible(index == int(TabletMiscAction::CustomTool) - 1);
    if (current.dialSwitchAllowed)
        return;
    ui->btnOK->setEnabled(index != int(TabletMiscAction::ChangeDialAction) - 1);
}

void VActionSelectDlg::on_btnBrowse_clicked()
{
    auto dialog = std::make_unique<QFileDialog>(this, QString(), QString(), QString());
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setViewMode(QFileDialog::Detail);
    if (dialog->exec() != QDialog::Accepted)
        return;
    const QStringList files = dialog->selectedFiles();
    if (!files.isEmpty())
        ui->asdTextAppPath->setPlainText(files.first());
}
