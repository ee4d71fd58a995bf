#include "ui/dialogs/actions/ActionChooser.h"

bool chooseActionInDialog(QWidget *parent, ActionSelection &selection)
{
    VActionSelectDlg dialog(selection, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    selection = dialog.selection();
    return true;
}
