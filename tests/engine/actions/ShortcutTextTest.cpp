#include "engine/actions/ShortcutStrokes.h"
#include "engine/actions/ShortcutText.h"
#include "engine/support/KeyboardEventFactory.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

void PrintTo(const KeyboardEvent &event, std::ostream *out)
{
    *out << "{modifiers " << event.modifiers << ", key1 " << event.key1 << ", key2 " << event.key2
         << (event.pressed ? ", pressed" : ", released") << (event.useDevice ? "" : ", no device")
         << "}";
}

namespace {

using namespace KeyboardEventFactory;

std::vector<KeyboardEvent> tap(std::uint32_t modifiers, std::int32_t key1 = NoKey,
                               std::int32_t key2 = NoKey)
{
    return {press(modifiers, key1, key2), release(modifiers, key1, key2)};
}

std::vector<KeyboardEvent> joined(std::vector<KeyboardEvent> first,
                                  const std::vector<KeyboardEvent> &second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

} // namespace

TEST(ShortcutText, StepsReadModifiersAndKeyNamesTrimmedAndInUpperCase)
{
    struct Row
    {
        QString step;
        KeyboardEvent expected;
    };
    const Row rows[] = {
        {QStringLiteral("CTRL+S"), press(Ctrl, 0x16)},
        {QStringLiteral("Ctrl+S"), press(Ctrl, 0x16)},
        {QStringLiteral("ctrl + shift + z"), press(Ctrl | Shift, 0x1D)},
        {QStringLiteral("Alt+F4"), press(Alt, 0x3D)},
        {QStringLiteral("Win+E"), press(Win, 0x08)},
        {QStringLiteral("Meta+E"), press(Win, 0x08)},
        {QStringLiteral("Shift+Ctrl+Alt+Win+Space"), press(Shift | Ctrl | Alt | Win, 0x2C)},
        {QStringLiteral("Ctrl+Ctrl+C"), press(Ctrl, 0x06)},
        {QStringLiteral("Ctrl+A+B"), press(Ctrl, 0x04, 0x05)},
        {QStringLiteral("A+B+C"), press(0, 0x04, 0x05)},
        {QStringLiteral("Ctrl+Shift+Num(5)"), press(Ctrl | Shift, 0x5D)},
        {QStringLiteral("Num(-)"), press(0, 0x56)},
        {QStringLiteral("Ctrl+-"), press(Ctrl, 0x2D)},
        {QStringLiteral("Semicolon"), press(0, 0x33)},
        {QStringLiteral("Esc"), press(0, 0x29)},
        {QStringLiteral("PgDn"), press(0, 0x4E)},
        {QStringLiteral("Reture"), press(0, 0x28)},
        {QStringLiteral("Ctrl+Reture"), press(Ctrl, 0x28)},
        {QStringLiteral("Enter"), press(0, 0x58)},
        {QStringLiteral("CTRL++"), press(Ctrl, 0x2E)},
        {QStringLiteral("++"), press(0, 0x2E)},
        {QStringLiteral("A++"), press(0, 0x04, 0x2E)},
        {QStringLiteral("Ctrl"), press(Ctrl)},
        {QStringLiteral("Shift+Alt"), press(Shift | Alt)},
        {QStringLiteral("BrowserBack"), press(0)},
        {QStringLiteral("Ctrl+BrowserBack"), press(Ctrl)},
        {QStringLiteral("BrowserBack+A"), press(0, NoKey, 0x04)},
        {QStringLiteral("AltGr+A"), press(Ctrl | Alt, 0x04)},
        {QStringLiteral("AltGr"), press(Ctrl | Alt)},
        {QStringLiteral("Shift+/"), press(Shift, 0x38)},
        {QStringLiteral(" "), press(0)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.step.toStdString());
        EXPECT_EQ(ShortcutText::parseStep(row.step), row.expected);
    }
}

TEST(ShortcutText, TextSplitsIntoStepsAtSemicolonsAndDropsEmptyOnes)
{
    EXPECT_EQ(ShortcutText::steps(QStringLiteral("CTRL+C;CTRL+V")),
              std::vector<KeyboardEvent>({press(Ctrl, 0x06), press(Ctrl, 0x19)}));
    EXPECT_EQ(ShortcutText::steps(QStringLiteral(";Ctrl+C;;")),
              std::vector<KeyboardEvent>({press(Ctrl, 0x06)}));
    EXPECT_TRUE(ShortcutText::steps(QString()).empty());
    EXPECT_TRUE(ShortcutText::steps(QStringLiteral(";")).empty());
}

TEST(ShortcutText, KeypadPlusIsSentAsKeypadPlusNotAsAStepSeparator)
{
    EXPECT_EQ(ShortcutText::steps(QStringLiteral("Num(+)")),
              std::vector<KeyboardEvent>({press(0, 0x57)}));
    EXPECT_EQ(ShortcutText::steps(QStringLiteral("Ctrl+Num(+);Num(+)")),
              std::vector<KeyboardEvent>({press(Ctrl, 0x57), press(0, 0x57)}));
}

TEST(ShortcutText, KeyStrokesFollowPressReleaseAndHotkeySync)
{
    struct Row
    {
        const char *what;
        QString text;
        bool pressed;
        bool hotkeySync;
        std::vector<KeyboardEvent> expected;
    };
    const std::vector<Row> rows = {
        {"a single step is tapped on the press", QStringLiteral("CTRL+S"), true, false,
         tap(Ctrl, 0x16)},
        {"a single step sends nothing on the release", QStringLiteral("CTRL+S"), false, false, {}},
        {"a synchronised single step is pressed with the control", QStringLiteral("CTRL+S"), true,
         true, {press(Ctrl, 0x16)}},
        {"a synchronised single step is released with the control", QStringLiteral("CTRL+S"),
         false, true, {release(Ctrl, 0x16)}},
        {"a sequence taps each step on the press", QStringLiteral("CTRL+C;CTRL+V"), true, false,
         joined(tap(Ctrl, 0x06), tap(Ctrl, 0x19))},
        {"a sequence sends nothing on the release", QStringLiteral("CTRL+C;CTRL+V"), false, false,
         {}},
        {"a synchronised sequence is still tapped on the press", QStringLiteral("CTRL+C;CTRL+V"),
         true, true, joined(tap(Ctrl, 0x06), tap(Ctrl, 0x19))},
        {"a synchronised sequence sends nothing on the release", QStringLiteral("CTRL+C;CTRL+V"),
         false, true, {}},
        {"a name missing from the usage table sends nothing", QStringLiteral("BrowserBack"), true,
         false, {}},
        {"a synchronised step with nothing to type sends nothing", QStringLiteral("BrowserBack"),
         true, true, {}},
        {"a step with nothing to type is sent unchanged in a sequence",
         QStringLiteral("CTRL+C;BrowserBack"), true, false, joined(tap(Ctrl, 0x06), tap(0))},
        {"a modifier alone is tapped", QStringLiteral("Shift"), true, false, tap(Shift)},
        {"a missing key with a modifier taps the modifier", QStringLiteral("Alt+BrowserBack"),
         true, false, tap(Alt)},
        {"an empty text sends nothing", QString(), true, false, {}},
        {"separators alone send nothing", QStringLiteral(";;"), true, true, {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(ShortcutText::keyStrokes(row.text, row.pressed, row.hotkeySync), row.expected);
    }
}

TEST(ShortcutText, EveryStrokeGoesToTheDevice)
{
    for (const KeyboardEvent &stroke :
         ShortcutText::keyStrokes(QStringLiteral("Ctrl+A;B"), true, false))
        EXPECT_TRUE(stroke.useDevice);
}

// The kept strokes are those the text reads as, for each press state and hotkey-sync setting,
// also once more texts than the store keeps have pushed the first ones out.
TEST(ShortcutText, KeptStrokesAreTheTextsOwnWhileOthersComeAndGo)
{
    ShortcutStrokes kept;
    const QString texts[] = {QStringLiteral("Ctrl+Z"), QStringLiteral("Ctrl+C;Ctrl+V"), QStringLiteral("Shift"),
                             QString()};
    for (int pass = 0; pass < 2; ++pass) {
        for (const QString &text : texts) {
            for (const bool pressed : {true, false}) {
                for (const bool hotkeySync : {false, true}) {
                    SCOPED_TRACE(text.toStdString() + (pressed ? " pressed" : " released")
                                 + (hotkeySync ? ", sync" : ""));
                    const auto strokes = kept.strokes(text, pressed, hotkeySync);
                    ASSERT_TRUE(strokes);
                    EXPECT_EQ(*strokes, ShortcutText::keyStrokes(text, pressed, hotkeySync));
                    EXPECT_EQ(kept.strokes(text, pressed, hotkeySync), strokes) << "read once";
                }
            }
        }
        // More texts than the store keeps.
        for (std::size_t i = 0; i <= ShortcutStrokes::kCapacity; ++i)
            kept.strokes(QStringLiteral("F%1").arg(i % 12 + 1) + QStringLiteral("+Alt").repeated(int(i / 12)), true,
                         false);
    }
}
