#pragma once

#include <QMessageBox>

// The program's message box: a QMessageBox in the program's look.
class VMsgboxDlg : public QMessageBox
{
    Q_OBJECT

public:
    VMsgboxDlg();
    explicit VMsgboxDlg(QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;
};
