#include "ui/widgets/VSwitchButton.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct ToggleRow
{
    const char *name;
    bool startChecked;
    bool switchEnabled;
    int clicks;
    bool expectedChecked;
    QList<bool> expectedSignals;
};

} // namespace

TEST(VSwitchButton, AReleaseFlipsTheSwitchOnlyWhileItIsEnabled)
{
    const ToggleRow rows[] = {
        {"off, one click", false, true, 1, true, {true}},
        {"on, one click", true, true, 1, false, {false}},
        {"off, two clicks", false, true, 2, false, {true, false}},
        {"not enabled, off", false, false, 1, false, {}},
        {"not enabled, on", true, false, 2, true, {}},
    };
    for (const ToggleRow &row : rows) {
        SCOPED_TRACE(row.name);
        VSwitchButton button;
        button.setChecked(row.startChecked);
        button.setSwitchEnabled(row.switchEnabled);
        QSignalSpy changes(&button, &VSwitchButton::stateChanged);
        for (int click = 0; click < row.clicks; ++click)
            QTest::mouseClick(&button, Qt::LeftButton);
        EXPECT_EQ(button.isChecked(), row.expectedChecked);
        QList<bool> emitted;
        for (const QList<QVariant> &change : changes)
            emitted << change.at(0).toBool();
        EXPECT_EQ(emitted, row.expectedSignals);
    }
}

TEST(VSwitchButton, SettingTheStateEmitsNothing)
{
    VSwitchButton button;
    QSignalSpy changes(&button, &VSwitchButton::stateChanged);
    button.setChecked(true);
    EXPECT_TRUE(button.isChecked());
    button.setChecked(false);
    EXPECT_FALSE(button.isChecked());
    EXPECT_EQ(changes.count(), 0);
}

TEST(VSwitchButton, SpaceFlipsAFocusedSwitch)
{
    // Reached from the field before it with Tab, as a keyboard user reaches it; the keys then go
    // to whatever has the focus.
    QWidget window;
    auto *before = new QLineEdit(&window);
    auto *button = new VSwitchButton(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    window.activateWindow();
    before->setFocus();
    ASSERT_TRUE(before->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(button->hasFocus());

    QSignalSpy changes(button, &VSwitchButton::stateChanged);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(button->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(changes.count(), 1);
}
