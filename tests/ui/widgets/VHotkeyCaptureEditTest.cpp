#include "ui/widgets/VHotkeyCaptureEdit.h"

#include "support/QtPrinters.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>

namespace {

// A dialog with two capture edits, the first one focused.
struct CaptureDialog
{
    CaptureDialog()
    {
        auto *layout = new QVBoxLayout(&dialog);
        layout->addWidget(first);
        layout->addWidget(second);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        first->setFocus();
    }

    QDialog dialog;
    VHotkeyCaptureEdit *first = new VHotkeyCaptureEdit(&dialog);
    VHotkeyCaptureEdit *second = new VHotkeyCaptureEdit(&dialog);
};

} // namespace

TEST(VHotkeyCaptureEdit, EscapeAndTabAreCapturedInEveryMode)
{
    for (const bool textMode : {false, true}) {
        SCOPED_TRACE(textMode ? "text mode" : "capture mode");
        CaptureDialog window;
        window.first->setTextMode(textMode);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window.dialog));
        ASSERT_TRUE(window.first->hasFocus());

        QTest::keyClick(window.first, Qt::Key_Escape);
        EXPECT_TRUE(window.dialog.isVisible());
        EXPECT_EQ(window.dialog.result(), QDialog::Rejected);
        EXPECT_EQ(window.first->text(), QStringLiteral("Esc"));

        QTest::keyClick(window.first, Qt::Key_Tab);
        EXPECT_TRUE(window.first->hasFocus());
        EXPECT_EQ(window.first->text(), QStringLiteral("Tab"));

        QTest::keyClick(window.first, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_TRUE(window.first->hasFocus());
        EXPECT_EQ(window.first->text(), QStringLiteral("Shift+Tab"));
    }
}

TEST(VHotkeyCaptureEdit, ReturnIsCapturedAndDoesNotAcceptTheDialog)
{
    CaptureDialog window;
    auto *ok = new QPushButton(QStringLiteral("OK"), &window.dialog);
    window.dialog.layout()->addWidget(ok);
    ok->setDefault(true);
    ok->show();
    QObject::connect(ok, &QPushButton::clicked, &window.dialog, &QDialog::accept);
    bool accepted = false;
    QObject::connect(&window.dialog, &QDialog::accepted, [&accepted] { accepted = true; });
    QTest::keyClick(window.first, Qt::Key_Return);
    EXPECT_FALSE(accepted);
    EXPECT_EQ(window.first->text(), QStringLiteral("Reture"));
}

TEST(VHotkeyCaptureEdit, TheTextKeepsTheLastCombinationAfterTheKeysAreReleased)
{
    VHotkeyCaptureEdit edit;
    QTest::keyPress(&edit, Qt::Key_Control, Qt::ControlModifier);
    QTest::keyPress(&edit, Qt::Key_S, Qt::ControlModifier);
    QTest::keyRelease(&edit, Qt::Key_S, Qt::ControlModifier);
    QTest::keyRelease(&edit, Qt::Key_Control);
    EXPECT_EQ(edit.text(), QStringLiteral("Ctrl+S"));

    QTest::keyClick(&edit, Qt::Key_7, Qt::KeypadModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("Num(7)"));
}

TEST(VHotkeyCaptureEdit, EveryClearForgetsTheLettersHeld)
{
    const struct {
        const char *what;
        std::function<void(VHotkeyCaptureEdit &)> clear;
        const char *afterClear;
        const char *afterNextLetter;
    } clears[] = {
        {"no clear", [](VHotkeyCaptureEdit &) {}, "Ctrl+A", "Ctrl+A+B"},
        {"its own clear", [](VHotkeyCaptureEdit &edit) { edit.clear(); }, "", "Ctrl+B"},
        {"QLineEdit's clear", [](QLineEdit &edit) { edit.clear(); }, "", "Ctrl+B"},
        {"an empty text", [](QLineEdit &edit) { edit.setText(QString()); }, "", "Ctrl+B"},
    };
    for (const auto &entry : clears) {
        SCOPED_TRACE(entry.what);
        VHotkeyCaptureEdit edit;
        QTest::keyPress(&edit, Qt::Key_A, Qt::ControlModifier);
        entry.clear(edit);
        EXPECT_EQ(edit.text(), QLatin1String(entry.afterClear));
        // Ctrl is still held: QTest would press it again, which by itself forgets the letters.
        QKeyEvent letter(QEvent::KeyPress, Qt::Key_B, Qt::ControlModifier);
        QApplication::sendEvent(&edit, &letter);
        EXPECT_EQ(edit.text(), QLatin1String(entry.afterNextLetter));
    }
}

TEST(VHotkeyCaptureEdit, TextModeTypesFreelyWithItsContextMenu)
{
    VHotkeyCaptureEdit edit;
    EXPECT_EQ(edit.contextMenuPolicy(), Qt::NoContextMenu);
    edit.setTextMode(true);
    EXPECT_EQ(edit.contextMenuPolicy(), Qt::DefaultContextMenu);
    QTest::keyClicks(&edit, QStringLiteral("ab"));
    EXPECT_EQ(edit.text(), QStringLiteral("ab"));

    edit.setTextMode(false);
    EXPECT_EQ(edit.contextMenuPolicy(), Qt::NoContextMenu);
    QTest::keyClick(&edit, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("Ctrl+B"));
}
