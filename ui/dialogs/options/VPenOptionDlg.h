#pragma once

#include "ui/dialogs/options/PenOptions.h"

#include <QDialog>

#include <memory>

namespace Ui {
class VPenOptionDlg;
}

// The pen page's "More Options": per-application pen buttons, the pressure curve and game
// support, edited on a copy that the page reads back after OK.
class VPenOptionDlg : public QDialog
{
    Q_OBJECT

public:
    VPenOptionDlg(const PenOptions &options, QWidget *parent = nullptr);
    ~VPenOptionDlg() override;

    PenOptions options() const { return record; }

private slots:
    void on_btnOK_clicked();
    void on_btnCancel_clicked();

private:
    void addRows();

    std::unique_ptr<Ui::VPenOptionDlg> ui;
    PenOptions record;
};
