#include "ui/dialogs/messages/VNotDetectedDlg.h"

#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

TEST(VNotDetectedDlg, ClosedByItsTitleBarItEndsRejected)
{
    VNotDetectedDlg dialog;
    auto *close = dialog.findChild<QPushButton *>(QStringLiteral("close"));
    QTimer::singleShot(0, close, &QPushButton::click);
    EXPECT_EQ(dialog.exec(), int(QDialog::Rejected));
}
