#include "ui/widgets/HotkeyCapture.h"

#include <QStringList>

namespace {

// Windows virtual keys of the numeric keypad.
constexpr quint32 VkNumpad0 = 0x60;
constexpr quint32 VkMultiply = 106;
constexpr quint32 VkAdd = 107;
constexpr quint32 VkSubtract = 109;
constexpr quint32 VkDecimal = 110;
constexpr quint32 VkDivide = 111;

bool isDigit(int key)
{
    return key >= Qt::Key_0 && key <= Qt::Key_9;
}

bool isLetter(int key)
{
    return key >= Qt::Key_A && key <= Qt::Key_Z;
}

bool isModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt
        || key == Qt::Key_Meta;
}

// The characters of the main block's keys by scan code (US positions), whatever the layout
// and the shift state typed.
int unshiftedCharacter(quint32 scanCode)
{
    static const QMap<quint32, int> characters = {
        {2, '1'},  {3, '2'},  {4, '3'},  {5, '4'},  {6, '5'},   {7, '6'},  {8, '7'},
        {9, '8'},  {10, '9'}, {11, '0'}, {12, '-'}, {13, '='},  {26, '['}, {27, ']'},
        {43, '\\'}, {39, ';'}, {40, '\''}, {41, '`'}, {51, ','}, {52, '.'}, {53, '/'},
    };
    return characters.value(scanCode, 0);
}

// The keypad operator keys by virtual key; the decimal key types ',' on many layouts but is
// still the keypad's decimal key.
int keypadOperator(const HotkeyPress &event)
{
    if (event.key == '-' && event.nativeVirtualKey == VkSubtract)
        return '-';
    if (event.key == '+' && event.nativeVirtualKey == VkAdd)
        return '+';
    switch (event.nativeVirtualKey) {
    case VkDivide:
        return '/';
    case VkMultiply:
        return '*';
    case VkDecimal:
        return '.';
    default:
        return 0;
    }
}

quint32 keypadVirtualKey(int key)
{
    if (isDigit(key))
        return VkNumpad0 + quint32(key - Qt::Key_0);
    switch (key) {
    case '/':
        return VkDivide;
    case '*':
        return VkMultiply;
    case '-':
        return VkSubtract;
    case '+':
        return VkAdd;
    case '.':
        return VkDecimal;
    default:
        return 0;
    }
}

QMap<int, QString> buildKeyNames()
{
    QMap<int, QString> names;
    for (int digit = 0; digit <= 9; ++digit) {
        const int key = Qt::Key_0 + digit;
        names.insert(key, QString::number(digit));
        names.insert(HotkeyCapture::keypadKey(key), QStringLiteral("Num(%1)").arg(digit));
    }
    for (const char keypadSign : {'/', '*', '-', '+', '.'})
        names.insert(HotkeyCapture::keypadKey(keypadSign),
                     QStringLiteral("Num(%1)").arg(QLatin1Char(keypadSign)));
    for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key)
        names.insert(key, QString(QChar(key)));
    for (int number = 1; number <= 12; ++number)
        names.insert(Qt::Key_F1 + number - 1, QStringLiteral("F%1").arg(number));
    // The shifted digits of a US keyboard name their key.
    const char shiftedDigits[] = "!@#$%^&*()";
    for (int index = 0; index < 10; ++index)
        names.insert(shiftedDigits[index], QString::number((index + 1) % 10));

    const QList<QPair<int, const char *>> named = {
        {Qt::Key_Escape, "Esc"},     {Qt::Key_Tab, "Tab"},         {Qt::Key_Backtab, "Tab"},
        {Qt::Key_Backspace, "Backspace"}, {Qt::Key_Return, "Reture"}, {Qt::Key_Enter, "Enter"},
        {Qt::Key_Space, "Space"},    {Qt::Key_Insert, "Insert"},   {Qt::Key_Delete, "Del"},
        {Qt::Key_Pause, "Pause"},    {Qt::Key_Print, "Print"},     {Qt::Key_Clear, "Clear"},
        {Qt::Key_Home, "Home"},      {Qt::Key_End, "End"},         {Qt::Key_Left, "Left"},
        {Qt::Key_Up, "Up"},          {Qt::Key_Right, "Right"},     {Qt::Key_Down, "Down"},
        {Qt::Key_PageUp, "PgUp"},    {Qt::Key_PageDown, "PgDn"},   {Qt::Key_Shift, "Shift"},
        {Qt::Key_Control, "Ctrl"},   {Qt::Key_Meta, "Meta"},       {Qt::Key_Alt, "Alt"},
        {Qt::Key_AltGr, "AltGr"},    {Qt::Key_CapsLock, "Caps"},   {Qt::Key_NumLock, "Num"},
        {Qt::Key_ScrollLock, "Scroll"}, {Qt::Key_Menu, "Menu"},
        // The punctuation keys by their unshifted character; the shifted one names the same key.
        {'-', "-"},  {'=', "="},  {'[', "["},  {']', "]"},  {'\\', "\\"}, {'`', "`"},
        {';', "Semicolon"}, {'\'', "'"}, {',', ","}, {'.', "."}, {'/', "/"},
        {'_', "-"},  {'+', "="},  {'~', "`"},  {'{', "["},  {'}', "]"},  {'|', "\\"},
        {':', "Semicolon"}, {'"', "'"}, {'<', ","}, {'>', "."}, {'?', "/"},
    };
    for (const auto &key : named)
        names.insert(key.first, QString::fromLatin1(key.second));
    return names;
}

} // namespace

HotkeyPress HotkeyPress::withoutNativeKey(int key, Qt::KeyboardModifiers modifiers)
{
    HotkeyPress press{key, modifiers, 0, 0};
    if (modifiers.testFlag(Qt::KeypadModifier))
        press.nativeVirtualKey = keypadVirtualKey(key);
    else if (isDigit(key))
        press.nativeVirtualKey = quint32(key);
    return press;
}

int HotkeyCapture::keypadKey(int character)
{
    return character | character << 16;
}

const QMap<int, QString> &HotkeyCapture::keyNames()
{
    static const QMap<int, QString> names = buildKeyNames();
    return names;
}

int HotkeyCapture::capturedKey(const HotkeyPress &event)
{
    int key = event.key;
    if (isDigit(key) && event.nativeVirtualKey != quint32(key))
        key = keypadKey(key);
    else if (const int keypadSign = keypadOperator(event))
        key = keypadKey(keypadSign);
    if (const int character = unshiftedCharacter(event.nativeScanCode))
        key = character;
    return key;
}

void HotkeyCapture::press(const HotkeyPress &event)
{
    ctrl = event.modifiers.testFlag(Qt::ControlModifier);
    shift = event.modifiers.testFlag(Qt::ShiftModifier);
    alt = event.modifiers.testFlag(Qt::AltModifier);
    win = event.modifiers.testFlag(Qt::MetaModifier);
    mainKey = Qt::Key_unknown;
    if (isModifierKey(event.key))
        holdModifierKey(event.key);
    else if (isLetter(event.key))
        storeLetter(event.key);
    else
        mainKey = capturedKey(event);
}

void HotkeyCapture::release(int key)
{
    switch (key) {
    case Qt::Key_Control:
        ctrl = false;
        return;
    case Qt::Key_Shift:
        shift = false;
        return;
    case Qt::Key_Alt:
        alt = false;
        return;
    case Qt::Key_Meta:
        win = false;
        return;
    default:
        break;
    }
    if (key == secondLetter)
        secondLetter = Qt::Key_unknown;
    else if (key == firstLetter)
        firstLetter = Qt::Key_unknown;
    else
        mainKey = Qt::Key_unknown;
}

void HotkeyCapture::clear()
{
    *this = HotkeyCapture();
}

// A modifier key counts as held while it is pressed: Qt on Windows reports the Win key's own
// press without the Meta modifier.
void HotkeyCapture::holdModifierKey(int key)
{
    ctrl = ctrl || key == Qt::Key_Control;
    shift = shift || key == Qt::Key_Shift;
    alt = alt || key == Qt::Key_Alt;
    win = win || key == Qt::Key_Meta;
    firstLetter = Qt::Key_unknown;
    secondLetter = Qt::Key_unknown;
}

// Win alone does not make a letter part of a chord. A letter already held (auto-repeat) is
// not stored twice.
void HotkeyCapture::storeLetter(int key)
{
    if (!ctrl && !shift && !alt)
        mainKey = key;
    else if (firstLetter == Qt::Key_unknown)
        firstLetter = key;
    else if (secondLetter == Qt::Key_unknown && key != firstLetter)
        secondLetter = key;
}

QString HotkeyCapture::modifierText() const
{
    if (win)
        return QStringLiteral("Win");
    QStringList held;
    if (ctrl)
        held << QStringLiteral("Ctrl");
    if (shift)
        held << QStringLiteral("Shift");
    if (alt)
        held << QStringLiteral("Alt");
    return held.join(QLatin1Char('+'));
}

QString HotkeyCapture::letterText() const
{
    QString letters = QChar(firstLetter);
    if (secondLetter != Qt::Key_unknown)
        letters += QLatin1Char('+') + QChar(secondLetter);
    return letters;
}

QString HotkeyCapture::text() const
{
    const QString modifiers = modifierText();
    const QString keyName = keyNames().value(mainKey);
    if (modifiers.isEmpty())
        return keyName;
    if (!keyName.isEmpty())
        return modifiers + QLatin1Char('+') + keyName;
    if (firstLetter != Qt::Key_unknown)
        return modifiers + QLatin1Char('+') + letterText();
    return modifiers;
}
