#include "ui/dialogs/VMsgboxDlg.h"

#include "ui/widgets/WindowHelpers.h"

VMsgboxDlg::VMsgboxDlg() : VMsgboxDlg(nullptr) {}

VMsgboxDlg::VMsgboxDlg(QWidget *parent) : QMessageBox(parent)
{
    setStyleSheet(readTextFile(QStringLiteral(":/res/qss/normal/qss-VMsgboxDlg.qss")));
}
