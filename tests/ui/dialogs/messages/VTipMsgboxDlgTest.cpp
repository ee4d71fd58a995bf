#include "ui/dialogs/messages/VTipMsgboxDlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <thread>

namespace {

const QVector<TipScreen> kTwoScreens = {
    {QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040)},
    {QRect(1920, 0, 1280, 1024), QRect(1920, 0, 1280, 984)},
};

VTipMsgboxDlg &tip()
{
    VTipMsgboxDlg::createInstance();
    return *VTipMsgboxDlg::instance();
}

} // namespace

TEST(VTipMsgboxDlgPlacement, CentredAtTheBottomOfTheAvailableAreaOfTheScreenUnderThePointer)
{
    const struct {
        const char *what;
        int primary;
        QPoint cursor;
        QSize label;
        QRect expected;
    } cases[] = {
        {"first screen", 0, QPoint(100, 100), QSize(200, 32), QRect(828, 976, 264, 56)},
        {"second screen", 0, QPoint(2000, 500), QSize(200, 32), QRect(2428, 920, 264, 56)},
        {"last pixel of the second screen", 0, QPoint(3199, 1023), QSize(200, 32), QRect(2428, 920, 264, 56)},
        {"long text on the second screen", 0, QPoint(2000, 500), QSize(1000, 32), QRect(2240, 920, 640, 56)},
        {"pointer off every screen: the primary", 0, QPoint(-50, -50), QSize(200, 32), QRect(828, 976, 264, 56)},
        {"pointer off every screen, second primary", 1, QPoint(5000, 10), QSize(200, 32), QRect(2428, 920, 264, 56)},
        {"odd width rounds towards the left", 0, QPoint(0, 0), QSize(201, 33), QRect(827, 975, 265, 57)},
    };
    for (const auto &entry : cases)
        EXPECT_EQ(VTipMsgboxDlg::tipGeometry(kTwoScreens, entry.primary, entry.cursor, entry.label),
                  entry.expected)
                << entry.what;
}

TEST(VTipMsgboxDlgInstance, ShowingATipBeforeTheTipExistsDoesNothing)
{
    delete VTipMsgboxDlg::instance();
    ASSERT_EQ(VTipMsgboxDlg::instance(), nullptr);
    VTipMsgboxDlg::showTipMessage(QStringLiteral("Configuration saved"));
    QApplication::processEvents();
    EXPECT_EQ(VTipMsgboxDlg::instance(), nullptr);

    VTipMsgboxDlg::createInstance();
    VTipMsgboxDlg *created = VTipMsgboxDlg::instance();
    VTipMsgboxDlg::createInstance();
    EXPECT_EQ(VTipMsgboxDlg::instance(), created) << "one tip per process";
}

TEST(VTipMsgboxDlgShowing, ATextFromAnotherThreadIsShownByTheGuiThread)
{
    VTipMsgboxDlg &dialog = tip();
    dialog.hide();
    std::thread worker([] { VTipMsgboxDlg::showTipMessage(QStringLiteral("Undo")); });
    worker.join();
    EXPECT_FALSE(dialog.isVisible()) << "nothing is shown on the worker";
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isVisible(); }, 2000));
    EXPECT_EQ(dialog.text(), QStringLiteral("Undo"));
}

TEST(VTipMsgboxDlgShowing, ASecondTipReplacesTheTextAndRestartsTheCount)
{
    VTipMsgboxDlg &dialog = tip();
    dialog.slotShowMessage(QStringLiteral("Brush"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.tickCount() >= 1; }, 2000));
    dialog.slotShowMessage(QStringLiteral("Eraser"));
    EXPECT_EQ(dialog.text(), QStringLiteral("Eraser"));
    EXPECT_EQ(dialog.tickCount(), 0);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(VTipMsgboxDlgShowing, ALongTextMakesTheTipAsWideAsAllowedAndTheLabelKeepsItsWidth)
{
    VTipMsgboxDlg &dialog = tip();
    const QString text(200, QLatin1Char('W'));
    dialog.slotShowMessage(text);
    EXPECT_EQ(dialog.width(), VTipMsgboxDlg::kMaximumWidth);
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("text"));
    EXPECT_GT(label->width(), VTipMsgboxDlg::kMaximumWidth);
    EXPECT_EQ(label->pos(), QPoint(32, 12));
    EXPECT_EQ(dialog.height(), label->height() + 24);
}

TEST(VTipMsgboxDlgShowing, ATipHidesItselfAfterItsTicks)
{
    VTipMsgboxDlg &dialog = tip();
    QElapsedTimer shown;
    shown.start();
    dialog.slotShowMessage(QStringLiteral("Configuration saved"));
    // Its second tick, the last before the one that hides it, finds it still up.
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.tickCount() == 2 || !dialog.isVisible(); }, 4000));
    EXPECT_TRUE(dialog.isVisible()) << "hidden at tick " << dialog.tickCount();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, 4000));
    EXPECT_EQ(dialog.tickCount(), 99);
    // Two whole ticks of half a second, less what a coarse timer may fire early.
    EXPECT_GE(shown.elapsed(), 900);
}
