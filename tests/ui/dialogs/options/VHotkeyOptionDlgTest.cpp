#include "ui/dialogs/options/VHotkeyOptionDlg.h"

#include "ui/dialogs/options/OptionDialogRows.h"

#include <QPushButton>

#include <gtest/gtest.h>

using namespace OptionDialogRows;

namespace {

HotkeyOptions everythingOn()
{
    HotkeyOptions options;
    options.appHotkeys = true;
    options.modelHasKeys = true;
    options.hasKeys = true;
    options.modelHasDial = true;
    options.hasDial = true;
    options.dialSensitivity = true;
    options.modelHasTouch = true;
    options.hasTouch = true;
    return options;
}

struct RowState
{
    bool enabled;
    bool checked;
};

void expectRow(QWidget &dialog, const char *title, RowState state)
{
    SCOPED_TRACE(title);
    VRichItem *item = row(dialog, QLatin1String(title));
    ASSERT_TRUE(item);
    EXPECT_EQ(item->isEnabled(), state.enabled);
    EXPECT_EQ(item->isChecked(), state.checked);
}

} // namespace

TEST(VHotkeyOptionDlg, AFeatureTheModelLacksIsShownOffAndReturnedOff)
{
    // Rows in order: Application, Key, Dial, Dial Sensitivity, Touch.
    constexpr RowState on{true, true};
    constexpr RowState off{true, false};
    constexpr RowState locked{false, false};
    struct Case
    {
        const char *name;
        std::function<void(HotkeyOptions &)> change;
        RowState rows[5];
        // What OK returns: hasKeys, hasDial, dialSensitivity, hasTouch.
        bool used[4];
    };
    const Case cases[] = {
        {"everything", [](HotkeyOptions &) {}, {on, on, on, on, on}, {true, true, true, true}},
        {"no keys", [](HotkeyOptions &o) { o.modelHasKeys = false; }, {on, locked, on, on, on}, {false, true, true, true}},
        {"no dial", [](HotkeyOptions &o) { o.modelHasDial = false; }, {on, on, locked, locked, on}, {true, false, false, true}},
        {"no touch", [](HotkeyOptions &o) { o.modelHasTouch = false; }, {on, on, on, on, locked}, {true, true, true, false}},
        {"dial not used", [](HotkeyOptions &o) { o.hasDial = false; }, {on, on, off, locked, on}, {true, false, false, true}},
    };
    const char *titles[] = {"Application", "Key", "Dial", "Dial Sensitivity", "Touch"};
    for (const Case &entry : cases) {
        SCOPED_TRACE(entry.name);
        HotkeyOptions given = everythingOn();
        entry.change(given);
        VHotkeyOptionDlg dialog(given);
        for (int i = 0; i < 5; ++i)
            expectRow(dialog, titles[i], entry.rows[i]);
        dialog.findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
        ASSERT_EQ(dialog.result(), int(QDialog::Accepted));
        const HotkeyOptions &back = dialog.options;
        EXPECT_TRUE(back.appHotkeys);
        EXPECT_EQ(back.hasKeys, entry.used[0]);
        EXPECT_EQ(back.hasDial, entry.used[1]);
        EXPECT_EQ(back.dialSensitivity, entry.used[2]);
        EXPECT_EQ(back.hasTouch, entry.used[3]);
    }
}

TEST(VHotkeyOptionDlg, TheDialSensitivityFollowsTheDialAndComesBackOff)
{
    VHotkeyOptionDlg dialog(everythingOn());
    VRichItem *dial = row(dialog, QStringLiteral("Dial"));
    VRichItem *sensitivity = row(dialog, QStringLiteral("Dial Sensitivity"));

    flip(dial);
    EXPECT_FALSE(dialog.options.hasDial);
    expectRow(dialog, "Dial Sensitivity", {false, false});
    EXPECT_FALSE(dialog.options.dialSensitivity);

    flip(dial);
    EXPECT_TRUE(dialog.options.hasDial);
    expectRow(dialog, "Dial Sensitivity", {true, false});
    EXPECT_FALSE(dialog.options.dialSensitivity);

    flip(sensitivity);
    EXPECT_TRUE(dialog.options.dialSensitivity);
}

TEST(VHotkeyOptionDlg, EachSwitchStoresItsOwnOption)
{
    const struct
    {
        const char *title;
        bool HotkeyOptions::*option;
    } rows[] = {
        {"Application", &HotkeyOptions::appHotkeys},
        {"Key", &HotkeyOptions::hasKeys},
        {"Dial Sensitivity", &HotkeyOptions::dialSensitivity},
        {"Touch", &HotkeyOptions::hasTouch},
    };
    for (const auto &entry : rows) {
        SCOPED_TRACE(entry.title);
        VHotkeyOptionDlg dialog(everythingOn());
        flip(row(dialog, QLatin1String(entry.title)));
        HotkeyOptions expected = everythingOn();
        expected.*entry.option = false;
        EXPECT_EQ(dialog.options.*entry.option, false);
        for (const auto &other : rows)
            EXPECT_EQ(dialog.options.*other.option, expected.*other.option) << other.title;
    }
}
