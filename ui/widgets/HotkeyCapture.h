#pragma once

#include <QMap>
#include <QString>
#include <Qt>

// One key press as the key-capture edit reads it: Qt's key code and modifiers, and the key's
// Windows virtual key and scan code (the scan code carries the extended-key bit as 0x100, as
// Qt's Windows platform reports it).
struct HotkeyPress
{
    int key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
    quint32 nativeVirtualKey = 0;
    quint32 nativeScanCode = 0;

    // The Windows values that a key event without native values stands for: keypad keys are
    // known by Qt's keypad modifier, and no scan code folds shifted characters (Qt's key code
    // of a shifted character already has the name of its unshifted key).
    static HotkeyPress withoutNativeKey(int key, Qt::KeyboardModifiers modifiers);
};

// The shortcut that the key-capture edit shows while the user presses keys, as the text the
// keyboard driver reads back: modifiers, then the key name or up to two letters, joined by "+"
// ("Ctrl+Shift+F5", "Ctrl+A+B", "Win+A", "Num(7)").
class HotkeyCapture
{
public:
    void press(const HotkeyPress &event);
    void release(int key);
    void clear();

    QString text() const;

    // The key a press stands for: keypad keys are marked by repeating their character code in
    // the upper 16 bits, and keys of the main block are folded to their unshifted character by
    // scan code (Shift+1 is '1', not '!').
    static int capturedKey(const HotkeyPress &event);
    // Key code to the name the keyboard driver knows.
    static const QMap<int, QString> &keyNames();
    static int keypadKey(int character);

private:
    void holdModifierKey(int key);
    void storeLetter(int key);
    QString modifierText() const;
    QString letterText() const;

    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool win = false;
    int firstLetter = Qt::Key_unknown;
    int secondLetter = Qt::Key_unknown;
    int mainKey = Qt::Key_unknown;
};
