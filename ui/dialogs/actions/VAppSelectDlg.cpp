#include "ui/dialogs/actions/VAppSelectDlg.h"

#include "config/configure/ConfigureCopy.h"
#include "ui/widgets/VTitleBar.h"
#include "ui/widgets/WindowHelpers.h"
#include "ui_VAppSelectDlg.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>

#include <algorithm>

namespace {

const QColor kShadowColor(100, 100, 108, 100);
constexpr int kShadowBlur = 10;
constexpr int kProcessRowHeight = 32;
constexpr int kProfileCellSize = 48;
constexpr int kProfileIconSize = 32;
constexpr int kScrollBarThickness = 10;

QIcon iconOrFileIcon(const QIcon &icon, const QString &path)
{
    return icon.isNull() ? QFileIconProvider().icon(QFileInfo(path)) : icon;
}

// Windows does not tell paths apart by case, so neither does the list.
bool samePath(const QString &one, const QString &other)
{
    return one.compare(other, Qt::CaseInsensitive) == 0;
}

// The dialog chooses which programs have a profile; a profile that stays is taken as it is now,
// with what changed while the dialog was open, such as a dial switched to its next pair.
AppProfileList withCurrentProfiles(AppProfileList chosen, const AppProfileList &current)
{
    for (AppProfile &profile : chosen) {
        const auto now = std::find_if(current.cbegin(), current.cend(), [&profile](const AppProfile &entry) {
            return samePath(entry.path, profile.path);
        });
        if (now != current.cend())
            profile = *now;
    }
    return chosen;
}

} // namespace

VAppSelectDlg::VAppSelectDlg(std::vector<ProcessEntry> running, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::VAppSelectDlg>()), processes(std::move(running))
{
    ui->setupUi(this);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VAppSelectDlg.qss"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    addDropShadow(ui->asdFrame, kShadowColor, kShadowBlur);
    ui->asdWidgetTitle->setButtons(VTitleBar::Close);
    ui->asdWidgetTitle->setTitle(tr("Application"));

    QTableWidget *user = ui->asdTableUser;
    user->setIconSize(QSize(16, 16));
    user->setEditTriggers(QAbstractItemView::NoEditTriggers);
    user->setSelectionMode(QAbstractItemView::SingleSelection);
    user->setFocusPolicy(Qt::NoFocus);
    user->horizontalScrollBar()->setMaximumHeight(kScrollBarThickness);
    user->horizontalHeader()->hide();
    user->verticalHeader()->hide();

    QTableWidget *table = ui->asdTableProcess;
    setUpApplicationTable(table, tr("Application"));
    table->setIconSize(QSize(16, 16));

    profiles = appProfiles();
    std::stable_sort(processes.begin(), processes.end(), [](const ProcessEntry &a, const ProcessEntry &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    for (ProcessEntry &process : processes)
        process.icon = iconOrFileIcon(process.icon, process.path);
    fillProcessTable();
    refreshUserTable();
}

VAppSelectDlg::~VAppSelectDlg() = default;

void VAppSelectDlg::fillProcessTable()
{
    QTableWidget *table = ui->asdTableProcess;
    for (const ProcessEntry &process : processes) {
        const int row = table->rowCount();
        table->insertRow(row);
        table->setRowHeight(row, kProcessRowHeight);
        table->setItem(row, 0, new QTableWidgetItem(process.icon, process.name));
    }
}

void VAppSelectDlg::refreshUserTable()
{
    QTableWidget *user = ui->asdTableUser;
    user->clear();
    user->setRowCount(1);
    user->setRowHeight(0, kProfileCellSize);
    user->setShowGrid(false);
    user->setColumnCount(profiles.size());
    for (int column = 0; column < profiles.size(); ++column) {
        const AppProfile &profile = profiles.at(column);
        user->setColumnWidth(column, kProfileCellSize);
        auto *label = new QLabel(QString(), user);
        label->setAlignment(Qt::AlignCenter);
        label->setPixmap(iconOrFileIcon(profile.icon, profile.path).pixmap(kProfileIconSize, kProfileIconSize));
        label->setToolTip(profile.name);
        user->setCellWidget(0, column, label);
    }
}

void VAppSelectDlg::on_asdTableProcess_itemSelectionChanged()
{
    const int row = ui->asdTableProcess->currentRow();
    if (row >= 0 && row < int(processes.size()))
        ui->asdTextAppPath->setPlainText(processes[std::size_t(row)].path);
}

bool VAppSelectDlg::isProfiled(const ProcessEntry &process) const
{
    return std::any_of(profiles.cbegin(), profiles.cend(), [&process](const AppProfile &profile) {
        return samePath(profile.path, process.path);
    });
}

// After each change of the list the program choice starts afresh, so OK adds only a program
// chosen since, never one just added or removed.
void VAppSelectDlg::forgetProcessChoice()
{
    ui->asdTableProcess->clearSelection();
    ui->asdTableProcess->setCurrentItem(nullptr);
    ui->asdTextAppPath->clear();
}

void VAppSelectDlg::on_btnAdd_clicked()
{
    const int row = ui->asdTableProcess->currentRow();
    if (row < 0 || row >= int(processes.size()))
        return;
    const ProcessEntry &process = processes[std::size_t(row)];
    if (!isProfiled(process)) {
        AppProfile profile;
        profile.name = process.name;
        profile.path = process.path;
        profile.icon = process.icon;
        if (const TabletConfigurePtr configure = currentConfigure()) {
            const TabletConfigurePtr copy = copyDeviceConfigure(*configure);
            profile.buttons = copy->pen.buttons;
            profile.keys = copy->hotkey.keys;
            profile.virtualKeys = copy->hotkey.virtualKeys;
            profile.dials = copy->hotkey.dials;
            profile.touches = copy->hotkey.touches;
        }
        profiles.append(profile);
        refreshUserTable();
    }
    forgetProcessChoice();
}

void VAppSelectDlg::on_btnSub_clicked()
{
    const int column = ui->asdTableUser->currentColumn();
    if (column < 0 || column >= profiles.size())
        return;
    profiles.removeAt(column);
    refreshUserTable();
    forgetProcessChoice();
}

void VAppSelectDlg::on_btnClear_clicked()
{
    if (profiles.isEmpty())
        return;
    profiles.clear();
    refreshUserTable();
    forgetProcessChoice();
}

void VAppSelectDlg::on_asdTableProcess_itemDoubleClicked(QTableWidgetItem *)
{
    on_btnAdd_clicked();
}

void VAppSelectDlg::on_asdTableUser_cellDoubleClicked(int, int)
{
    on_btnSub_clicked();
}

void VAppSelectDlg::on_btnCancel_clicked()
{
    reject();
}

void VAppSelectDlg::on_btnOK_clicked()
{
    on_btnAdd_clicked();
    setAppProfiles(withCurrentProfiles(profiles, appProfiles()));
    accept();
}
