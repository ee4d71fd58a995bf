#include "ui/widgets/VRichButton.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

template <typename Child>
Child *child(QWidget &parent, const char *name)
{
    return parent.findChild<Child *>(QString::fromLatin1(name));
}

QLineEdit *titleEdit(QWidget &parent)
{
    return child<QLineEdit>(parent, "editTitle");
}

// Shows the window and puts the keyboard focus into the description.
void startEditing(QWidget &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    titleEdit(window)->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(titleEdit(window)->hasFocus());
}

} // namespace

TEST(VRichButton, WithoutTheIconTheContentTakesTheRowAndTheLowerLeftCornerIsRounded)
{
    struct Row
    {
        const char *name;
        QString sheet;
        QString expectedContentSheet;
    };
    const QString square = QStringLiteral("border-bottom-left-radius: 0px;");
    const QString round = QStringLiteral("border-bottom-left-radius: 12px;");
    const Row rows[] = {
        {"one rule", "#btnContent {" + square + "}", "#btnContent {" + round + "}"},
        {"every rule", "#a {" + square + "} #b {" + square + "}",
         "#a {" + round + "} #b {" + round + "}"},
        {"no square corner", "#btnContent {border-radius: 4px;}", QString()},
        {"other letter case", "#btnContent {Border-Bottom-Left-Radius: 0px;}", QString()},
        {"other spacing", "#btnContent {border-bottom-left-radius:0px;}", QString()},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        VRichButton button;
        button.setStyleSheet(row.sheet);
        button.hideIcon();
        EXPECT_EQ(child<QPushButton>(button, "btnContent")->styleSheet(), row.expectedContentSheet);
        EXPECT_TRUE(child<QPushButton>(button, "btnIcon")->isHidden());
        EXPECT_TRUE(child<QFrame>(button, "frameLine1")->isHidden());
        EXPECT_EQ(child<QPushButton>(button, "btnContent")->geometry(), QRect(1, 25, 318, 38));
        EXPECT_EQ(child<QFrame>(button, "frameLine2")->geometry(), QRect(1, 24, 318, 1));
        EXPECT_EQ(child<QLabel>(button, "labelTitle")->pos(), QPoint(5, 1));
        EXPECT_EQ(titleEdit(button)->geometry(), QRect(59, 1, 260, 23));
    }
}

TEST(VRichButton, EscapeLeavesTheDescriptionWithoutClosingTheDialog)
{
    QDialog dialog;
    auto *button = new VRichButton(&dialog);
    button->setDescription(QStringLiteral("Brush"));
    QSignalSpy finished(button, &VRichButton::titleTextFinished);
    startEditing(dialog);
    QTest::keyClicks(titleEdit(dialog), QStringLiteral(" 2"));
    QTest::keyClick(titleEdit(dialog), Qt::Key_Escape);
    EXPECT_FALSE(titleEdit(dialog)->hasFocus());
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).toString(), QStringLiteral("Brush 2"));
}

TEST(VRichButton, ReturnOrLeavingTheDescriptionReportsItsText)
{
    struct Row
    {
        const char *name;
        std::function<void(QWidget &)> leave;
    };
    const Row rows[] = {
        {"Return", [](QWidget &window) { QTest::keyClick(titleEdit(window), Qt::Key_Return); }},
        {"focus elsewhere",
         [](QWidget &window) { child<QLineEdit>(window, "other")->setFocus(Qt::TabFocusReason); }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QWidget window;
        auto *button = new VRichButton(&window);
        auto *other = new QLineEdit(&window);
        other->setObjectName(QStringLiteral("other"));
        other->move(0, 80);
        QSignalSpy finished(button, &VRichButton::titleTextFinished);
        startEditing(window);
        QTest::keyClicks(titleEdit(window), QStringLiteral("Zoom"));
        row.leave(window);
        EXPECT_FALSE(titleEdit(window)->hasFocus());
        ASSERT_EQ(finished.count(), 1);
        EXPECT_EQ(finished.at(0).at(0).toString(), QStringLiteral("Zoom"));
    }
}

TEST(VRichButton, AClickEndsTheDescriptionEditFirst)
{
    struct Row
    {
        const char *button;
        QString expectedClick;
    };
    const Row rows[] = {{"btnContent", "content"}, {"btnIcon", "icon"}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.button);
        QWidget window;
        auto *button = new VRichButton(&window);
        QStringList order;
        QObject::connect(button, &VRichButton::titleTextFinished,
                         [&order](const QString &) { order << QStringLiteral("description"); });
        QObject::connect(button, &VRichButton::clickButton,
                         [&order] { order << QStringLiteral("content"); });
        QObject::connect(button, &VRichButton::clickIcon,
                         [&order] { order << QStringLiteral("icon"); });
        startEditing(window);
        QTest::keyClicks(titleEdit(window), QStringLiteral("Pan"));
        child<QPushButton>(window, row.button)->click();
        EXPECT_FALSE(titleEdit(window)->hasFocus());
        EXPECT_EQ(order, QStringList({QStringLiteral("description"), row.expectedClick}));
    }
}
