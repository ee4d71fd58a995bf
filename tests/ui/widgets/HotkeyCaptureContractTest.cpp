// The key-capture edit's text is what a keyboard action stores and what the keyboard driver
// types: every name the edit can show must be read back into the key the user pressed.
#include "engine/actions/ShortcutText.h"
#include "engine/support/KeyboardEventFactory.h"
#include "ui/widgets/HotkeyCapture.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

void PrintTo(const KeyboardEvent &event, std::ostream *out)
{
    *out << "{modifiers " << event.modifiers << ", key1 " << event.key1 << ", key2 "
         << event.key2 << "}";
}

namespace {

using namespace KeyboardEventFactory;

// A key of a US keyboard as Qt's Windows platform reports it (key code, the modifiers that
// type it, virtual key, scan code with the extended bit as 0x100) and what a keyboard sends
// for it: the modifiers its name stands for and its keyboard usage.
struct PressedKey
{
    int key;
    Qt::KeyboardModifiers typing;
    quint32 virtualKey;
    quint32 scanCode;
    std::uint32_t nameModifiers;
    std::int32_t usage;
};

const Qt::KeyboardModifiers Typed = Qt::NoModifier;
const Qt::KeyboardModifiers Shifted = Qt::ShiftModifier;
const Qt::KeyboardModifiers Keypad = Qt::KeypadModifier;

std::vector<PressedKey> usKeyboard()
{
    std::vector<PressedKey> keys;
    const quint32 digitScanCodes[] = {0x0B, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A};
    const quint32 keypadScanCodes[] = {0x52, 0x4F, 0x50, 0x51, 0x4B, 0x4C, 0x4D, 0x47, 0x48, 0x49};
    const std::int32_t digitUsages[] = {0x27, 0x1E, 0x1F, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26};
    const std::int32_t keypadUsages[] = {0x62, 0x59, 0x5A, 0x5B, 0x5C,
                                         0x5D, 0x5E, 0x5F, 0x60, 0x61};
    const char shiftedDigits[] = ")!@#$%^&*(";
    for (int digit = 0; digit <= 9; ++digit) {
        const int key = Qt::Key_0 + digit;
        keys.push_back({key, Typed, quint32(key), digitScanCodes[digit], 0, digitUsages[digit]});
        keys.push_back({key, Keypad, 0x60u + quint32(digit), keypadScanCodes[digit], 0,
                        keypadUsages[digit]});
        keys.push_back({shiftedDigits[digit], Shifted, quint32(key), digitScanCodes[digit], 0,
                        digitUsages[digit]});
    }
    const quint32 letterScanCodes[] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                                       0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                                       0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
    for (int letter = 0; letter < 26; ++letter)
        keys.push_back({Qt::Key_A + letter, Typed, quint32(Qt::Key_A + letter),
                        letterScanCodes[letter], 0, 0x04 + letter});
    const quint32 functionScanCodes[] = {0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40,
                                         0x41, 0x42, 0x43, 0x44, 0x57, 0x58};
    for (int number = 0; number < 12; ++number)
        keys.push_back({Qt::Key_F1 + number, Typed, 0x70u + quint32(number),
                        functionScanCodes[number], 0, 0x3A + number});

    const std::vector<PressedKey> named = {
        {'/', Keypad, 0x6F, 0x135, 0, 0x54},
        {'*', Keypad, 0x6A, 0x37, 0, 0x55},
        {'-', Keypad, 0x6D, 0x4A, 0, 0x56},
        {'+', Keypad, 0x6B, 0x4E, 0, 0x57},
        {'.', Keypad, 0x6E, 0x53, 0, 0x63},
        {Qt::Key_Escape, Typed, 0x1B, 0x01, 0, 0x29},
        {Qt::Key_Tab, Typed, 0x09, 0x0F, 0, 0x2B},
        {Qt::Key_Backtab, Shifted, 0x09, 0x0F, 0, 0x2B},
        {Qt::Key_Backspace, Typed, 0x08, 0x0E, 0, 0x2A},
        {Qt::Key_Return, Typed, 0x0D, 0x1C, 0, 0x28},
        {Qt::Key_Enter, Keypad, 0x0D, 0x11C, 0, 0x58},
        {Qt::Key_Space, Typed, 0x20, 0x39, 0, 0x2C},
        {Qt::Key_Insert, Typed, 0x2D, 0x152, 0, 0x49},
        {Qt::Key_Delete, Typed, 0x2E, 0x153, 0, 0x4C},
        {Qt::Key_Pause, Typed, 0x13, 0x45, 0, 0x48},
        {Qt::Key_Print, Typed, 0x2C, 0x137, 0, 0x46},
        // Windows reports Clear for keypad 5 while Num Lock is off.
        {Qt::Key_Clear, Keypad, 0x0C, 0x4C, 0, 0x5D},
        {Qt::Key_Home, Typed, 0x24, 0x147, 0, 0x4A},
        {Qt::Key_End, Typed, 0x23, 0x14F, 0, 0x4D},
        {Qt::Key_Left, Typed, 0x25, 0x14B, 0, 0x50},
        {Qt::Key_Up, Typed, 0x26, 0x148, 0, 0x52},
        {Qt::Key_Right, Typed, 0x27, 0x14D, 0, 0x4F},
        {Qt::Key_Down, Typed, 0x28, 0x150, 0, 0x51},
        {Qt::Key_PageUp, Typed, 0x21, 0x149, 0, 0x4B},
        {Qt::Key_PageDown, Typed, 0x22, 0x151, 0, 0x4E},
        {Qt::Key_Shift, Typed, 0x10, 0x2A, Shift, NoKey},
        {Qt::Key_Control, Typed, 0x11, 0x1D, Ctrl, NoKey},
        {Qt::Key_Meta, Typed, 0x5B, 0x15B, Win, NoKey},
        {Qt::Key_Alt, Typed, 0x12, 0x38, Alt, NoKey},
        // Qt names AltGr when asked to; Windows types it as Ctrl+Alt.
        {Qt::Key_AltGr, Qt::GroupSwitchModifier, 0x12, 0x138, Ctrl | Alt, NoKey},
        {Qt::Key_CapsLock, Typed, 0x14, 0x3A, 0, 0x39},
        {Qt::Key_NumLock, Typed, 0x90, 0x145, 0, 0x53},
        {Qt::Key_ScrollLock, Typed, 0x91, 0x46, 0, 0x47},
        {Qt::Key_Menu, Typed, 0x5D, 0x15D, 0, 0x65},
        {'-', Typed, 0xBD, 0x0C, 0, 0x2D},
        {'=', Typed, 0xBB, 0x0D, 0, 0x2E},
        {'[', Typed, 0xDB, 0x1A, 0, 0x2F},
        {']', Typed, 0xDD, 0x1B, 0, 0x30},
        {'\\', Typed, 0xDC, 0x2B, 0, 0x31},
        {'`', Typed, 0xC0, 0x29, 0, 0x35},
        {';', Typed, 0xBA, 0x27, 0, 0x33},
        {'\'', Typed, 0xDE, 0x28, 0, 0x34},
        {',', Typed, 0xBC, 0x33, 0, 0x36},
        {'.', Typed, 0xBE, 0x34, 0, 0x37},
        {'/', Typed, 0xBF, 0x35, 0, 0x38},
        {'_', Shifted, 0xBD, 0x0C, 0, 0x2D},
        {'+', Shifted, 0xBB, 0x0D, 0, 0x2E},
        {'~', Shifted, 0xC0, 0x29, 0, 0x35},
        {'{', Shifted, 0xDB, 0x1A, 0, 0x2F},
        {'}', Shifted, 0xDD, 0x1B, 0, 0x30},
        {'|', Shifted, 0xDC, 0x2B, 0, 0x31},
        {':', Shifted, 0xBA, 0x27, 0, 0x33},
        {'"', Shifted, 0xDE, 0x28, 0, 0x34},
        {'<', Shifted, 0xBC, 0x33, 0, 0x36},
        {'>', Shifted, 0xBE, 0x34, 0, 0x37},
        {'?', Shifted, 0xBF, 0x35, 0, 0x38},
    };
    keys.insert(keys.end(), named.begin(), named.end());
    return keys;
}

// The Qt key code by which the edit's name table knows a pressed key.
int tableKey(const PressedKey &pressed)
{
    const bool keypadSign = pressed.typing.testFlag(Qt::KeypadModifier) && pressed.key < 0x80;
    return keypadSign ? HotkeyCapture::keypadKey(pressed.key) : pressed.key;
}

const PressedKey *findByTableKey(const std::vector<PressedKey> &keys, int key)
{
    for (const PressedKey &pressed : keys) {
        if (tableKey(pressed) == key)
            return &pressed;
    }
    return nullptr;
}

// Modifier keys held before the key, in order, as Qt's Windows platform reports them.
struct HeldKeys
{
    const char *what;
    std::vector<int> keys;
};

Qt::KeyboardModifier modifierOfKey(int key)
{
    switch (key) {
    case Qt::Key_Control:
        return Qt::ControlModifier;
    case Qt::Key_Shift:
        return Qt::ShiftModifier;
    case Qt::Key_Alt:
        return Qt::AltModifier;
    default:
        return Qt::MetaModifier;
    }
}

std::uint32_t driverModifierOfKey(int key)
{
    switch (key) {
    case Qt::Key_Control:
        return Ctrl;
    case Qt::Key_Shift:
        return Shift;
    case Qt::Key_Alt:
        return Alt;
    default:
        return Win;
    }
}

void pressModifierKey(HotkeyCapture &capture, Qt::KeyboardModifiers &held, int key)
{
    held |= modifierOfKey(key);
    capture.press({key, held, 0, 0});
}

// What the edit shows when the held keys are pressed, then (with Shift first when the key's
// character needs it) the key.
QString capturedText(const HeldKeys &held, const PressedKey &pressed)
{
    HotkeyCapture capture;
    Qt::KeyboardModifiers modifiers;
    for (int key : held.keys)
        pressModifierKey(capture, modifiers, key);
    if (pressed.typing.testFlag(Qt::ShiftModifier))
        pressModifierKey(capture, modifiers, Qt::Key_Shift);
    capture.press(
        {pressed.key, modifiers | pressed.typing, pressed.virtualKey, pressed.scanCode});
    return capture.text();
}

bool isModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt
        || key == Qt::Key_Meta;
}

// A modifier key pressed is held like the others; Win replaces the other modifier words in
// the edit's text, but not a key name that stands for modifiers (AltGr).
KeyboardEvent expectedEvent(const HeldKeys &held, const PressedKey &pressed)
{
    std::uint32_t heldModifiers = pressed.typing.testFlag(Qt::ShiftModifier) ? Shift : 0;
    for (int key : held.keys)
        heldModifiers |= driverModifierOfKey(key);
    std::uint32_t namedModifiers = pressed.nameModifiers;
    if (isModifierKey(pressed.key)) {
        heldModifiers |= namedModifiers;
        namedModifiers = 0;
    }
    if (heldModifiers & Win)
        heldModifiers = Win;
    return press(heldModifiers | namedModifiers, pressed.usage);
}

KeyboardEvent readBack(const QString &text)
{
    const std::vector<KeyboardEvent> steps = ShortcutText::steps(text);
    EXPECT_EQ(steps.size(), 1u);
    return steps.empty() ? press(0) : steps.front();
}

const std::vector<HeldKeys> heldKeyCombinations = {
    {"nothing held", {}},
    {"Ctrl held", {Qt::Key_Control}},
    {"Alt held", {Qt::Key_Alt}},
    {"Ctrl, Shift and Alt held", {Qt::Key_Control, Qt::Key_Shift, Qt::Key_Alt}},
    {"Win held", {Qt::Key_Meta}},
    {"Win and Ctrl held", {Qt::Key_Meta, Qt::Key_Control}},
};

} // namespace

TEST(HotkeyCaptureContract, EveryNameOfTheEditIsAKeyOfTheDriver)
{
    const std::vector<PressedKey> keys = usKeyboard();
    const QMap<int, QString> &names = HotkeyCapture::keyNames();
    EXPECT_EQ(names.size(), int(keys.size()));
    for (auto name = names.cbegin(); name != names.cend(); ++name) {
        SCOPED_TRACE(name.value().toStdString());
        const PressedKey *pressed = findByTableKey(keys, name.key());
        ASSERT_NE(pressed, nullptr) << "no key of the keyboard for Qt key " << name.key();
        const KeyboardEvent expected = press(pressed->nameModifiers, pressed->usage);
        EXPECT_EQ(readBack(name.value()), expected);
        EXPECT_EQ(readBack(QStringLiteral("Ctrl+Shift+Alt+") + name.value()),
                  press(expected.modifiers | Ctrl | Shift | Alt, pressed->usage));
        EXPECT_EQ(readBack(QStringLiteral("Win+") + name.value()),
                  press(expected.modifiers | Win, pressed->usage));
    }
}

TEST(HotkeyCaptureContract, EveryPressedKeyIsTypedAgainWithTheModifiersHeld)
{
    for (const PressedKey &pressed : usKeyboard()) {
        for (const HeldKeys &held : heldKeyCombinations) {
            const QString text = capturedText(held, pressed);
            SCOPED_TRACE(QStringLiteral("Qt key 0x%1, %2: \"%3\"")
                             .arg(pressed.key, 0, 16)
                             .arg(QLatin1String(held.what), text)
                             .toStdString());
            EXPECT_EQ(readBack(text), expectedEvent(held, pressed));
        }
    }
}

TEST(HotkeyCaptureContract, EveryPairOfLettersIsTypedAgain)
{
    const std::vector<PressedKey> keys = usKeyboard();
    for (int first = Qt::Key_A; first <= Qt::Key_Z; ++first) {
        for (int second = Qt::Key_A; second <= Qt::Key_Z; ++second) {
            if (first == second)
                continue;
            HotkeyCapture capture;
            capture.press({Qt::Key_Control, Qt::ControlModifier, 0x11, 0x1D});
            capture.press({first, Qt::ControlModifier, quint32(first), 0});
            capture.press({second, Qt::ControlModifier, quint32(second), 0});
            SCOPED_TRACE(capture.text().toStdString());
            EXPECT_EQ(readBack(capture.text()),
                      press(Ctrl, findByTableKey(keys, first)->usage,
                            findByTableKey(keys, second)->usage));
        }
    }
}
