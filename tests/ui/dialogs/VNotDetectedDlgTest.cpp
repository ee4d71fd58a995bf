#include "ui/dialogs/VNotDetectedDlg.h"

#include "ui/widgets/VTitleBar.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

TEST(VNotDetectedDlg, ItsTitleBarOffersOnlyCloseAndCarriesTheDialogTitle)
{
    VNotDetectedDlg dialog;
    auto *bar = dialog.findChild<VTitleBar *>(QStringLiteral("nddWidgetTitle"));
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->buttons(), int(VTitleBar::Close));
    EXPECT_EQ(bar->target(), &dialog);
    EXPECT_EQ(bar->title(), dialog.windowTitle());
    EXPECT_FALSE(dialog.windowTitle().isEmpty());
    EXPECT_FALSE(dialog.findChild<QLabel *>(QStringLiteral("labelMsg"))->text().isEmpty());
}

TEST(VNotDetectedDlg, ClosedByItsTitleBarItEndsRejected)
{
    VNotDetectedDlg dialog;
    auto *close = dialog.findChild<QPushButton *>(QStringLiteral("close"));
    QTimer::singleShot(0, close, &QPushButton::click);
    EXPECT_EQ(dialog.exec(), int(QDialog::Rejected));
}
