#include "ui/dialogs/actions/VDialActionDlg.h"

#include "config/configure/ConfigureCopy.h"
#include "config/language/TabletLanguage.h"
#include "ui/widgets/VRichButton.h"
#include "ui/widgets/VTitleBar.h"
#include "ui/widgets/WindowHelpers.h"
#include "ui_VDialActionDlg.h"

#include <QCheckBox>

#include <algorithm>

namespace {

const QColor kShadowColor(100, 100, 108, 100);
constexpr int kShadowBlur = 10;

} // namespace

VDialActionDlg::VDialActionDlg(const DialActionSelection &current, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::VDialActionDlg>()), given(current)
{
    ui->setupUi(this);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VDialActionDlg.qss"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_TranslucentBackground);
    addDropShadow(ui->vadFrame, kShadowColor, kShadowBlur);
    ui->dadWidgetTitle->setButtons(VTitleBar::Close);

    leftRows = {ui->rbLeft1, ui->rbLeft2, ui->rbLeft3, ui->rbLeft4};
    rightRows = {ui->rbRight1, ui->rbRight2, ui->rbRight3, ui->rbRight4};
    checks = {ui->checkBox1, ui->checkBox2, ui->checkBox3, ui->checkBox4};
    for (const auto *rows : {&leftRows, &rightRows}) {
        for (VRichButton *row : *rows) {
            connect(row, &VRichButton::clickButton, this, &VDialActionDlg::slotRBClickButton);
            connect(row, &VRichButton::titleTextFinished, this, &VDialActionDlg::slotRBTitleTextFinished);
            row->setIconEnabled(false);
            row->hideIcon();
        }
    }
    ui->dadWidgetTitle->setTitle(given.name);

    // Copies, so that what the user changes here reaches the caller only through OK.
    const std::size_t shown = std::min<std::size_t>(given.entries.size(), kFunctions);
    for (std::size_t i = 0; i < shown; ++i) {
        const DialActionEntry &entry = given.entries[i];
        functions[i] = {cloneAction(entry.left), cloneAction(entry.right)};
        checks[i]->setChecked(functions[i].left || functions[i].right);
    }
    for (int i = 0; i < kFunctions; ++i) {
        showGivenAction({i, true});
        showGivenAction({i, false});
    }
    ui->btnOK->setFocusPolicy(Qt::NoFocus);
    ui->btnCancel->setFocusPolicy(Qt::NoFocus);
    ui->checkBox1->setFocus();
}

VDialActionDlg::~VDialActionDlg() = default;

VDialActionDlg::Row VDialActionDlg::rowOf(QObject *button) const
{
    for (int i = 0; i < kFunctions; ++i) {
        if (button == leftRows[i])
            return {i, true};
        if (button == rightRows[i])
            return {i, false};
    }
    return {};
}

TabletActionPtr &VDialActionDlg::actionOf(const Row &row)
{
    DialActionEntry &entry = functions[std::size_t(row.function)];
    return row.left ? entry.left : entry.right;
}

VRichButton *VDialActionDlg::buttonOf(const Row &row) const
{
    return row.left ? leftRows[std::size_t(row.function)] : rightRows[std::size_t(row.function)];
}

// A side without an action keeps its empty row.
void VDialActionDlg::showGivenAction(const Row &row)
{
    const TabletActionPtr &action = actionOf(row);
    if (!action)
        return;
    const QString title = (row.left ? QStringLiteral("[ L%1 ]") : QStringLiteral("[ R%1 ]")).arg(row.function + 1);
    buttonOf(row)->setTexts(title, TabletLanguage::instance().translateWord(action->tip), action->displayText());
}

// A chosen action is marked by its side alone; choosing none leaves the row saying so.
void VDialActionDlg::showChosenAction(const Row &row)
{
    const TabletActionPtr &action = actionOf(row);
    const QString title = row.left ? QStringLiteral("L") : QStringLiteral("R");
    if (action)
        buttonOf(row)->setTexts(title, TabletLanguage::instance().translateWord(action->tip), action->displayText());
    else
        buttonOf(row)->setTexts(title, QString(), tr("Invalid"));
}

void VDialActionDlg::slotRBClickButton()
{
    const Row row = rowOf(sender());
    if (row.function < 0)
        return;
    ActionSelection request;
    request.text = (row.left ? tr("Left") : tr("Right")) + QStringLiteral(" - %1").arg(row.function + 1);
    request.action = actionOf(row);
    request.dialSwitchAllowed = false;
    if (!chooseAction || !chooseAction(this, request))
        return;
    actionOf(row) = request.action;
    showChosenAction(row);
}

// Actions never change: a new description makes a new action in the row's place.
void VDialActionDlg::slotRBTitleTextFinished(const QString &text)
{
    const Row row = rowOf(sender());
    if (row.function < 0 || !actionOf(row))
        return;
    actionOf(row) = cloneActionWithTip(*actionOf(row), text);
}

void VDialActionDlg::on_btnOK_clicked()
{
    chosen = DialActionSelection();
    chosen.name = given.name;
    chosen.number = given.number;
    for (int i = 0; i < kFunctions; ++i) {
        const DialActionEntry &entry = functions[std::size_t(i)];
        if (checks[std::size_t(i)]->isChecked() && (entry.left || entry.right))
            chosen.entries.push_back(entry);
    }
    accept();
}

void VDialActionDlg::on_btnCancel_clicked()
{
    reject();
}
