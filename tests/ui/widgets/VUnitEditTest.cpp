#include "ui/widgets/VUnitEdit.h"

#include <QApplication>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

QSpinBox *numberField(VUnitEdit &edit)
{
    return edit.findChild<QSpinBox *>(QStringLiteral("editValue"));
}

} // namespace

TEST(VUnitEdit, PassesOnEveryChangeOfItsNumberWithinTheRange)
{
    struct Row
    {
        int value;
        int expectedValue;
        int expectedSignals;
    };
    // The field starts at 0 within 0..1000.
    const Row rows[] = {{250, 250, 1}, {250, 250, 0}, {5000, 1000, 1}, {-3, 0, 1}};
    VUnitEdit edit;
    edit.setRange(0, 1000);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.value);
        QSignalSpy changes(&edit, &VUnitEdit::valueChanged);
        edit.setValue(row.value);
        EXPECT_EQ(edit.value(), row.expectedValue);
        ASSERT_EQ(changes.count(), row.expectedSignals);
        if (row.expectedSignals) {
            EXPECT_EQ(changes.at(0).at(0).toInt(), row.expectedValue);
        }
    }
    QSignalSpy typed(&edit, &VUnitEdit::valueChanged);
    numberField(edit)->setValue(640);
    ASSERT_EQ(typed.count(), 1);
    EXPECT_EQ(typed.at(0).at(0).toInt(), 640);
}

TEST(VUnitEdit, EnablingReachesTheNumberFieldWhoeverSwitchesIt)
{
    QWidget page;
    auto *edit = new VUnitEdit(&page);
    QWidget *asWidget = edit;
    const struct {
        const char *what;
        std::function<void()> change;
        bool expected;
    } steps[] = {
        {"the edit disabled", [&] { edit->setEnabled(false); }, false},
        {"enabled as a QWidget", [&] { asWidget->setEnabled(true); }, true},
        {"disabled as a QWidget", [&] { asWidget->setEnabled(false); }, false},
        {"the edit enabled", [&] { edit->setEnabled(true); }, true},
        {"the page disabled", [&] { page.setEnabled(false); }, false},
        {"the page enabled", [&] { page.setEnabled(true); }, true},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        EXPECT_EQ(edit->isEnabled(), step.expected);
        EXPECT_EQ(numberField(*edit)->isEnabled(), step.expected);
    }
}

TEST(VUnitEdit, FinishingTheNumberLeavesTheField)
{
    VUnitEdit edit;
    edit.show();
    QApplication::setActiveWindow(&edit);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));
    numberField(edit)->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(numberField(edit)->hasFocus());
    numberField(edit)->selectAll();
    QTest::keyClicks(numberField(edit), QStringLiteral("42"));
    QTest::keyClick(numberField(edit), Qt::Key_Return);
    EXPECT_FALSE(numberField(edit)->hasFocus());
    EXPECT_EQ(edit.value(), 42);
}
