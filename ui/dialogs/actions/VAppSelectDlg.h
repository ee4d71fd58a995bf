#pragma once

#include "config/profiles/AppProfile.h"
#include "engine/apps/ProcessEntry.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace Ui {
class VAppSelectDlg;
}

class QTableWidgetItem;

// Keeps the list of applications that have bindings of their own: shows their icons in a row
// and the running programs in a table; a running program becomes a new profile that starts with
// a copy of the current bindings. OK replaces the process-wide profile list; Cancel leaves it.
class VAppSelectDlg : public QDialog
{
    Q_OBJECT

public:
    // `running`: the programs to offer, in any order.
    explicit VAppSelectDlg(std::vector<ProcessEntry> running, QWidget *parent = nullptr);
    ~VAppSelectDlg() override;

public slots:
    void on_asdTableProcess_itemSelectionChanged();
    void on_btnClear_clicked();
    void on_btnSub_clicked();
    void on_btnAdd_clicked();
    void on_asdTableProcess_itemDoubleClicked(QTableWidgetItem *item);
    void on_asdTableUser_cellDoubleClicked(int row, int column);
    void on_btnCancel_clicked();
    void on_btnOK_clicked();

private:
    void fillProcessTable();
    void refreshUserTable();
    bool isProfiled(const ProcessEntry &process) const;
    void forgetProcessChoice();

    std::unique_ptr<Ui::VAppSelectDlg> ui;
    std::vector<ProcessEntry> processes;
    AppProfileList profiles;
};
