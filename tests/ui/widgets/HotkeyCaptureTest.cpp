#include "ui/widgets/HotkeyCapture.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// One key event of a sequence, with the values Qt's Windows platform reports for it.
struct KeyStep
{
    enum Kind { Press, Release };
    Kind kind;
    HotkeyPress press;
};

KeyStep down(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, quint32 virtualKey = 0,
             quint32 scanCode = 0)
{
    return {KeyStep::Press, HotkeyPress{key, modifiers, virtualKey, scanCode}};
}

KeyStep up(int key)
{
    return {KeyStep::Release, HotkeyPress{key, Qt::NoModifier, 0, 0}};
}

QString textAfter(const std::vector<KeyStep> &steps)
{
    HotkeyCapture capture;
    for (const KeyStep &step : steps) {
        if (step.kind == KeyStep::Press)
            capture.press(step.press);
        else
            capture.release(step.press.key);
    }
    return capture.text();
}

const Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
const Qt::KeyboardModifiers Shift = Qt::ShiftModifier;
const Qt::KeyboardModifiers Alt = Qt::AltModifier;
const Qt::KeyboardModifiers Meta = Qt::MetaModifier;
const Qt::KeyboardModifiers Keypad = Qt::KeypadModifier;

struct SequenceRow
{
    const char *what;
    std::vector<KeyStep> steps;
    QString expected;
};

void expectTexts(const std::vector<SequenceRow> &rows)
{
    for (const SequenceRow &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(textAfter(row.steps), row.expected);
    }
}

} // namespace

TEST(HotkeyCapture, ChordsNameTheirModifiersThenTheKeyOrTheLetters)
{
    expectTexts({
        {"Ctrl, Shift, then F5",
         {down(Qt::Key_Control, Ctrl, 0x11, 0x1D), down(Qt::Key_Shift, Ctrl | Shift, 0x10, 0x2A),
          down(Qt::Key_F5, Ctrl | Shift, 0x74, 0x3F)},
         QStringLiteral("Ctrl+Shift+F5")},
        {"Win hides Ctrl", {down(Qt::Key_Meta), down(Qt::Key_Control, Meta | Ctrl),
                            down(Qt::Key_A, Meta | Ctrl)}, QStringLiteral("Win+A")},
        {"Win with a letter", {down(Qt::Key_Meta), down(Qt::Key_A, Meta)}, QStringLiteral("Win+A")},
        // Qt on Windows reports the Win key's own press without the Meta modifier.
        {"Win alone", {down(Qt::Key_Meta)}, QStringLiteral("Win")},
        {"Win and Ctrl alone", {down(Qt::Key_Meta), down(Qt::Key_Control, Meta | Ctrl)},
         QStringLiteral("Win")},
        {"Ctrl with two letters",
         {down(Qt::Key_Control, Ctrl), down(Qt::Key_A, Ctrl), down(Qt::Key_B, Ctrl)},
         QStringLiteral("Ctrl+A+B")},
        {"a third letter is dropped",
         {down(Qt::Key_Control, Ctrl), down(Qt::Key_A, Ctrl), down(Qt::Key_B, Ctrl),
          down(Qt::Key_C, Ctrl)},
         QStringLiteral("Ctrl+A+B")},
        {"Alt alone", {down(Qt::Key_Alt, Alt)}, QStringLiteral("Alt")},
        {"Shift, Alt and a letter", {down(Qt::Key_Shift, Shift), down(Qt::Key_Alt, Shift | Alt),
                                     down(Qt::Key_Q, Shift | Alt)}, QStringLiteral("Shift+Alt+Q")},
        {"a letter alone", {down(Qt::Key_Q)}, QStringLiteral("Q")},
        {"a key missing from the names with Ctrl",
         {down(Qt::Key_Control, Ctrl), down(Qt::Key_F13, Ctrl, 0x7C, 0x64)},
         QStringLiteral("Ctrl")},
        {"a key missing from the names alone", {down(Qt::Key_F13, Qt::NoModifier, 0x7C, 0x64)},
         QString()},
        {"Return", {down(Qt::Key_Return, Qt::NoModifier, 0x0D, 0x1C)}, QStringLiteral("Reture")},
        {"Enter of the keypad", {down(Qt::Key_Enter, Keypad, 0x0D, 0x11C)},
         QStringLiteral("Enter")},
        {"Escape", {down(Qt::Key_Escape, Qt::NoModifier, 0x1B, 0x01)}, QStringLiteral("Esc")},
        {"Ctrl+Tab", {down(Qt::Key_Control, Ctrl), down(Qt::Key_Tab, Ctrl, 0x09, 0x0F)},
         QStringLiteral("Ctrl+Tab")},
        {"Shift+Tab arrives as Backtab",
         {down(Qt::Key_Shift, Shift), down(Qt::Key_Backtab, Shift, 0x09, 0x0F)},
         QStringLiteral("Shift+Tab")},
        {"a modifier key clears the letters",
         {down(Qt::Key_Control, Ctrl), down(Qt::Key_A, Ctrl), down(Qt::Key_Shift, Ctrl | Shift),
          down(Qt::Key_B, Ctrl | Shift)},
         QStringLiteral("Ctrl+Shift+B")},
        // Auto-repeat sends the held letter again.
        {"a held letter is not stored twice",
         {down(Qt::Key_Control, Ctrl), down(Qt::Key_A, Ctrl), down(Qt::Key_A, Ctrl)},
         QStringLiteral("Ctrl+A")},
    });
}

TEST(HotkeyCapture, KeysAreNamedByVirtualKeyAndScanCodeAsWindowsReportsThem)
{
    expectTexts({
        {"keypad 7", {down(Qt::Key_7, Keypad, 0x67, 0x47)}, QStringLiteral("Num(7)")},
        {"the 7 of the main row", {down(Qt::Key_7, Qt::NoModifier, 0x37, 0x08)},
         QStringLiteral("7")},
        {"Shift+7 types an ampersand", {down(Qt::Key_Shift, Shift),
                                        down(Qt::Key_Ampersand, Shift, 0x37, 0x08)},
         QStringLiteral("Shift+7")},
        // The keypad's slash is an extended key; without that bit its scan code is the slash's.
        {"keypad divide", {down(Qt::Key_Slash, Keypad, 0x6F, 0x135)}, QStringLiteral("Num(/)")},
        {"slash of the main block", {down(Qt::Key_Slash, Qt::NoModifier, 0xBF, 0x35)},
         QStringLiteral("/")},
        {"keypad decimal of a layout that types a comma",
         {down(Qt::Key_Comma, Keypad, 0x6E, 0x53)}, QStringLiteral("Num(.)")},
        {"Ctrl+Shift+keypad 5",
         {down(Qt::Key_Control, Ctrl), down(Qt::Key_Shift, Ctrl | Shift),
          down(Qt::Key_5, Ctrl | Shift | Keypad, 0x65, 0x4C)},
         QStringLiteral("Ctrl+Shift+Num(5)")},
        {"keypad 5 without Num Lock", {down(Qt::Key_Clear, Keypad, 0x0C, 0x4C)},
         QStringLiteral("Clear")},
        {"keypad 7 without Num Lock", {down(Qt::Key_Home, Keypad, 0x24, 0x47)},
         QStringLiteral("Home")},
        // A German keyboard: the key right of 0 types a sharp s, the one right of L an o umlaut.
        {"a letter of another layout on the minus key",
         {down(Qt::Key_ssharp, Qt::NoModifier, 0xDB, 0x0C)}, QStringLiteral("-")},
        {"Shift+7 of a German keyboard types a slash",
         {down(Qt::Key_Shift, Shift), down(Qt::Key_Slash, Shift, 0x37, 0x08)},
         QStringLiteral("Shift+7")},
        {"a letter of another layout on the semicolon key",
         {down(Qt::Key_Odiaeresis, Qt::NoModifier, 0xC0, 0x27)}, QStringLiteral("Semicolon")},
    });
}

TEST(HotkeyCapture, ReleasesClearWhatTheyLetGo)
{
    expectTexts({
        {"releasing the first letter frees its place",
         {down(Qt::Key_Control, Ctrl), down(Qt::Key_A, Ctrl), up(Qt::Key_A), down(Qt::Key_B, Ctrl)},
         QStringLiteral("Ctrl+B")},
        {"releasing the second letter frees its place",
         {down(Qt::Key_Control, Ctrl), down(Qt::Key_A, Ctrl), down(Qt::Key_B, Ctrl), up(Qt::Key_B),
          down(Qt::Key_C, Ctrl)},
         QStringLiteral("Ctrl+A+C")},
        {"releasing the main key", {down(Qt::Key_F2, Qt::NoModifier, 0x71, 0x3C), up(Qt::Key_F2)},
         QString()},
        {"releasing another key also lets the main key go",
         {down(Qt::Key_F2, Qt::NoModifier, 0x71, 0x3C), up(Qt::Key_F3)}, QString()},
        {"releasing a letter keeps the main key",
         {down(Qt::Key_Control, Ctrl), down(Qt::Key_A, Ctrl), down(Qt::Key_F2, Ctrl, 0x71, 0x3C),
          up(Qt::Key_A)},
         QStringLiteral("Ctrl+F2")},
        {"a press forgets the modifiers of the previous press",
         {down(Qt::Key_Control, Ctrl), down(Qt::Key_F2, Qt::NoModifier, 0x71, 0x3C)},
         QStringLiteral("F2")},
    });
}

TEST(HotkeyCapture, ClearForgetsModifiersLettersAndKey)
{
    HotkeyCapture capture;
    capture.press({Qt::Key_Control, Ctrl, 0, 0});
    capture.press({Qt::Key_A, Ctrl, 0, 0});
    capture.clear();
    EXPECT_EQ(capture.text(), QString());
    capture.press({Qt::Key_B, Ctrl, 0, 0});
    EXPECT_EQ(capture.text(), QStringLiteral("Ctrl+B"));
}

// Events without Windows values (other platforms, synthesised events) name the keypad by Qt's
// keypad modifier.
TEST(HotkeyCapture, EventsWithoutNativeKeysAreReadByTheKeypadModifier)
{
    struct Row
    {
        int key;
        Qt::KeyboardModifiers modifiers;
        QString expected;
    };
    const Row rows[] = {
        {Qt::Key_7, Keypad, QStringLiteral("Num(7)")},
        {Qt::Key_7, Qt::NoModifier, QStringLiteral("7")},
        {Qt::Key_Ampersand, Shift, QStringLiteral("Shift+7")},
        {Qt::Key_Minus, Keypad, QStringLiteral("Num(-)")},
        {Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-")},
        {Qt::Key_Plus, Keypad, QStringLiteral("Num(+)")},
        {Qt::Key_Period, Keypad, QStringLiteral("Num(.)")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.expected.toStdString());
        HotkeyCapture capture;
        capture.press(HotkeyPress::withoutNativeKey(row.key, row.modifiers));
        EXPECT_EQ(capture.text(), row.expected);
    }
}
