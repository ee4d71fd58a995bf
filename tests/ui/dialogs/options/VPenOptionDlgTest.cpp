#include "ui/dialogs/options/VPenOptionDlg.h"

#include "ui/dialogs/options/OptionDialogRows.h"

#include <QPushButton>

#include <gtest/gtest.h>

using namespace OptionDialogRows;

TEST(VPenOptionDlg, GameSupportIsOffAndLockedOutsideMouseModeAndMouseModeIsNeverChanged)
{
    for (bool relative : {false, true}) {
        SCOPED_TRACE(relative);
        PenOptions given;
        given.appHotkeys = true;
        given.curveEnabled = false;
        given.relative = relative;
        given.gameSupport = true;
        VPenOptionDlg dialog(given);
        VRichItem *game = row(dialog, QStringLiteral("FPS Game Support"));
        ASSERT_TRUE(game);
        EXPECT_EQ(game->isEnabled(), relative);
        EXPECT_EQ(game->isChecked(), relative);

        // Every row is switched, the locked one too, so that a row writing mouse mode shows.
        flip(row(dialog, QStringLiteral("Application")));
        flip(row(dialog, QStringLiteral("Pressure Curve")));
        flip(game);
        EXPECT_FALSE(game->isChecked());
        dialog.findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
        ASSERT_EQ(dialog.result(), int(QDialog::Accepted));
        const PenOptions back = dialog.options();
        EXPECT_FALSE(back.appHotkeys);
        EXPECT_TRUE(back.curveEnabled);
        EXPECT_EQ(back.relative, relative);
        EXPECT_FALSE(back.gameSupport);
    }
}
