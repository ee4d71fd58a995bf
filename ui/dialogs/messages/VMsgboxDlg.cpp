#include "ui/dialogs/messages/VMsgboxDlg.h"

#include "ui/widgets/WindowHelpers.h"

#include <QAbstractButton>
#include <QLayout>
#include <QStyle>
#include <QVariant>

VMsgboxDlg::VMsgboxDlg() : VMsgboxDlg(nullptr) {}

VMsgboxDlg::VMsgboxDlg(QWidget *parent) : QMessageBox(parent)
{
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VMsgboxDlg.qss"));
}

// The box lays itself out anew whenever its texts change, so its margins are set last. The
// confirming button is the filled one, also where a safer answer is the default (as before a reset).
void VMsgboxDlg::showEvent(QShowEvent *event)
{
    if (layout()) {
        layout()->setContentsMargins(24, 24, 24, 16);
        layout()->setSpacing(16);
    }
    for (QAbstractButton *button : buttons()) {
        const ButtonRole role = buttonRole(button);
        button->setProperty("primary", QVariant(role == AcceptRole || role == YesRole));
        button->style()->unpolish(button);
        button->style()->polish(button);
    }
    QMessageBox::showEvent(event);
}
