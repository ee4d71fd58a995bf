#include "ui/dialogs/VMsgboxDlg.h"

#include "ui/widgets/WindowHelpers.h"

#include <QLayout>

VMsgboxDlg::VMsgboxDlg() : VMsgboxDlg(nullptr) {}

VMsgboxDlg::VMsgboxDlg(QWidget *parent) : QMessageBox(parent)
{
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VMsgboxDlg.qss"));
}

// The box lays itself out anew whenever its texts change, so its margins are set last.
void VMsgboxDlg::showEvent(QShowEvent *event)
{
    if (layout()) {
        layout()->setContentsMargins(24, 24, 24, 16);
        layout()->setSpacing(16);
    }
    QMessageBox::showEvent(event);
}
