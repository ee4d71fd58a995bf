#pragma once

#include "ui/dialogs/options/HotkeyOptions.h"

#include <QDialog>

#include <memory>

class VRichItem;

namespace Ui {
class VHotkeyOptionDlg;
}

// The express-key page's "More Options": per-application bindings and the use of the keys, the
// dial and its sensitivity, and the touch control, edited on `options`, which the page reads back
// after OK.
class VHotkeyOptionDlg : public QDialog
{
    Q_OBJECT

public:
    VHotkeyOptionDlg(const HotkeyOptions &options, QWidget *parent = nullptr);
    ~VHotkeyOptionDlg() override;

    HotkeyOptions options;

private slots:
    void on_btnOK_clicked();
    void on_btnCancel_clicked();

private:
    void addRows();
    void placeListInScrollArea();
    void followDial();

    std::unique_ptr<Ui::VHotkeyOptionDlg> ui;
    VRichItem *dialSensitivityRow = nullptr;
};
