#include "ui/dialogs/messages/VMsgboxDlg.h"

#include <QPushButton>
#include <QVariant>

#include <gtest/gtest.h>

// The filled button is the one that confirms, whichever button the box starts on.
TEST(VMsgboxDlg, OnlyTheConfirmingButtonIsFilled)
{
    struct Case
    {
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
        QMessageBox::StandardButton filled;
    };
    const Case cases[] = {
            {QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::Yes},
            {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::Yes},
            {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, QMessageBox::Ok},
            {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok},
    };
    for (const Case &entry : cases) {
        SCOPED_TRACE(int(entry.buttons));
        VMsgboxDlg box;
        box.setText(QStringLiteral("Reset?"));
        box.setStandardButtons(entry.buttons);
        box.setDefaultButton(entry.defaultButton);
        box.show();
        for (QAbstractButton *button : box.buttons())
            EXPECT_EQ(button->property("primary").toBool(), box.standardButton(button) == entry.filled);
        box.hide();
    }
}
