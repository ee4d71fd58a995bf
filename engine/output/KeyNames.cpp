#include "engine/output/KeyNames.h"


namespace {

// Keyboard/keypad page of the HID usage tables.
namespace usage {
constexpr int LetterA = 0x04;
constexpr int Digit1 = 0x1E;
constexpr int Digit0 = 0x27;
constexpr int Return = 0x28;
constexpr int Escape = 0x29;
constexpr int Backspace = 0x2A;
constexpr int Tab = 0x2B;
constexpr int Space = 0x2C;
constexpr int Minus = 0x2D;
constexpr int Equals = 0x2E;
constexpr int LeftBracket = 0x2F;
constexpr int RightBracket = 0x30;
constexpr int Backslash = 0x31;
constexpr int Semicolon = 0x33;
constexpr int Apostrophe = 0x34;
constexpr int GraveAccent = 0x35;
constexpr int Comma = 0x36;
constexpr int Period = 0x37;
constexpr int Slash = 0x38;
constexpr int CapsLock = 0x39;
constexpr int F1 = 0x3A;
constexpr int PrintScreen = 0x46;
constexpr int ScrollLock = 0x47;
constexpr int Pause = 0x48;
constexpr int Insert = 0x49;
constexpr int Home = 0x4A;
constexpr int PageUp = 0x4B;
constexpr int Delete = 0x4C;
constexpr int End = 0x4D;
constexpr int PageDown = 0x4E;
constexpr int RightArrow = 0x4F;
constexpr int LeftArrow = 0x50;
constexpr int DownArrow = 0x51;
constexpr int UpArrow = 0x52;
constexpr int KeypadNumLockAndClear = 0x53;
constexpr int KeypadDivide = 0x54;
constexpr int KeypadMultiply = 0x55;
constexpr int KeypadMinus = 0x56;
constexpr int KeypadPlus = 0x57;
constexpr int KeypadEnter = 0x58;
constexpr int Keypad1 = 0x59;
constexpr int Keypad5 = 0x5D;
constexpr int Keypad0 = 0x62;
constexpr int KeypadDecimal = 0x63;
constexpr int Application = 0x65;
} // namespace usage

// Windows virtual-key codes.
namespace vk {
constexpr int RButton = 0x02;
constexpr int Back = 0x08;
constexpr int Tab = 0x09;
constexpr int Clear = 0x0C;
constexpr int Return = 0x0D;
constexpr int Shift = 0x10;
constexpr int Pause = 0x13;
constexpr int Capital = 0x14;
constexpr int Escape = 0x1B;
constexpr int Space = 0x20;
constexpr int Prior = 0x21;
constexpr int Next = 0x22;
constexpr int End = 0x23;
constexpr int Home = 0x24;
constexpr int Left = 0x25;
constexpr int Up = 0x26;
constexpr int Right = 0x27;
constexpr int Down = 0x28;
constexpr int Print = 0x2A;
constexpr int Insert = 0x2D;
constexpr int Delete = 0x2E;
constexpr int Digit0 = 0x30;
constexpr int Digit1 = 0x31;
constexpr int LetterA = 0x41;
constexpr int LWin = 0x5B;
constexpr int Numpad0 = 0x60;
constexpr int Numpad1 = 0x61;
constexpr int Multiply = 0x6A;
constexpr int Add = 0x6B;
constexpr int Subtract = 0x6D;
constexpr int Decimal = 0x6E;
constexpr int Divide = 0x6F;
constexpr int F1 = 0x70;
constexpr int NumLock = 0x90;
constexpr int Scroll = 0x91;
constexpr int LControl = 0xA2;
constexpr int LMenu = 0xA4;
constexpr int BrowserBack = 0xA6;
constexpr int BrowserForward = 0xA7;
constexpr int BrowserRefresh = 0xA8;
constexpr int BrowserHome = 0xAC;
constexpr int VolumeMute = 0xAD;
constexpr int VolumeDown = 0xAE;
constexpr int VolumeUp = 0xAF;
constexpr int MediaNextTrack = 0xB0;
constexpr int MediaPrevTrack = 0xB1;
constexpr int MediaPlayPause = 0xB3;
constexpr int Oem1 = 0xBA;
constexpr int OemPlus = 0xBB;
constexpr int OemComma = 0xBC;
constexpr int OemMinus = 0xBD;
constexpr int OemPeriod = 0xBE;
constexpr int Oem3 = 0xC0;
constexpr int Oem4 = 0xDB;
constexpr int Oem5 = 0xDC;
constexpr int Oem6 = 0xDD;
constexpr int Oem7 = 0xDE;
} // namespace vk

constexpr int Absent = KeyNames::NotFound;

struct NamedKey
{
    const char *name;
    int usageCode;
    int systemCode;
};

// "RETURE" is how the key-capture edit spells Return, so stored shortcuts carry it.
// Windows reports Clear for keypad 5 while Num Lock is off, so that key types it again; the
// usage named "Num Lock and Clear" would toggle Num Lock instead. "MENU" is the application
// (context menu) key.
constexpr NamedKey namedKeys[] = {
    {"ESC", usage::Escape, vk::Escape},
    {"TAB", usage::Tab, vk::Tab},
    {"BACKTAB", usage::Tab, vk::Tab},
    {"BACKSPACE", usage::Backspace, vk::Back},
    {"RETURN", usage::Return, vk::Return},
    {"RETURE", usage::Return, vk::Return},
    {"ENTER", usage::KeypadEnter, vk::Return},
    {"INST", usage::Insert, vk::Insert},
    {"INSERT", usage::Insert, vk::Insert},
    {"DEL", usage::Delete, vk::Delete},
    {"PAUSE", usage::Pause, vk::Pause},
    {"PRINT", usage::PrintScreen, vk::Print},
    {"CLEAR", usage::Keypad5, vk::Clear},
    {"HOME", usage::Home, vk::Home},
    {"END", usage::End, vk::End},
    {"LEFT", usage::LeftArrow, vk::Left},
    {"UP", usage::UpArrow, vk::Up},
    {"RIGHT", usage::RightArrow, vk::Right},
    {"DOWN", usage::DownArrow, vk::Down},
    {"PGUP", usage::PageUp, vk::Prior},
    {"PGDN", usage::PageDown, vk::Next},
    {"SHIFT", Absent, vk::Shift},
    {"CTRL", Absent, vk::LControl},
    {"META", Absent, vk::LWin},
    {"WIN", Absent, vk::LWin},
    {"ALT", Absent, vk::LMenu},
    {"CAPS", usage::CapsLock, vk::Capital},
    {"NUM", usage::KeypadNumLockAndClear, vk::NumLock},
    {"SCROLL", usage::ScrollLock, vk::Scroll},
    {"MENU", usage::Application, vk::RButton},
    {"SPACE", usage::Space, vk::Space},
    {"NUM_ADD", usage::KeypadPlus, vk::Add},
    {"NUM(PLUS)", usage::KeypadPlus, vk::Add},
    {"NUM_SUBTRACT", usage::KeypadMinus, vk::Subtract},
    {"NUM(-)", usage::KeypadMinus, vk::Subtract},
    {"NUM_MULTIPLY", usage::KeypadMultiply, vk::Multiply},
    {"NUM(*)", usage::KeypadMultiply, vk::Multiply},
    {"NUM_DIVIDE", usage::KeypadDivide, vk::Divide},
    {"NUM(/)", usage::KeypadDivide, vk::Divide},
    {"NUM_DECIMAL", usage::KeypadDecimal, vk::Decimal},
    {"NUM(.)", usage::KeypadDecimal, vk::Decimal},
    {"_", usage::Minus, vk::OemMinus},
    {"-", usage::Minus, vk::OemMinus},
    {"=", usage::Equals, vk::OemPlus},
    {"+", usage::Equals, vk::OemPlus},
    {"SEMICOLON", usage::Semicolon, vk::Oem1},
    {";", usage::Semicolon, vk::Oem1},
    {"`", usage::GraveAccent, vk::Oem3},
    {"[", usage::LeftBracket, vk::Oem4},
    {"]", usage::RightBracket, vk::Oem6},
    {"'", usage::Apostrophe, vk::Oem7},
    {"\\", usage::Backslash, vk::Oem5},
    {",", usage::Comma, vk::OemComma},
    {".", usage::Period, vk::OemPeriod},
    {"BrowserBack", Absent, vk::BrowserBack},
    {"BrowserForward", Absent, vk::BrowserForward},
    {"BrowserRefresh", Absent, vk::BrowserRefresh},
    {"BrowserHome", Absent, vk::BrowserHome},
    {"PrevTrack", Absent, vk::MediaPrevTrack},
    {"NextTrack", Absent, vk::MediaNextTrack},
    {"PlayPause", Absent, vk::MediaPlayPause},
    {"VolumeMute", Absent, vk::VolumeMute},
    {"VolumeDown", Absent, vk::VolumeDown},
    {"VolumeUp", Absent, vk::VolumeUp},
    {"/", usage::Slash, Absent},
};

void addRow(KeyNames::Table &table, const std::string &name, int code)
{
    if (code != Absent)
        table.emplace(name, code);
}

// Digits, keypad digits, letters and function keys, whose codes run in order.
void addRuledRows(KeyNames::Table &table, KeyTable which)
{
    const bool usageCodes = which == KeyTable::Usage;
    for (int digit = 1; digit <= 9; ++digit) {
        const std::string text(1, static_cast<char>('0' + digit));
        addRow(table, text, (usageCodes ? usage::Digit1 : vk::Digit1) + digit - 1);
        addRow(table, "NUM(" + text + ")", (usageCodes ? usage::Keypad1 : vk::Numpad1) + digit - 1);
    }
    addRow(table, "0", usageCodes ? usage::Digit0 : vk::Digit0);
    addRow(table, "NUM(0)", usageCodes ? usage::Keypad0 : vk::Numpad0);
    for (int letter = 0; letter < 26; ++letter)
        addRow(table, std::string(1, static_cast<char>('A' + letter)),
               (usageCodes ? usage::LetterA : vk::LetterA) + letter);
    for (int number = 1; number <= 12; ++number)
        addRow(table, "F" + std::to_string(number), (usageCodes ? usage::F1 : vk::F1) + number - 1);
}

KeyNames::Table buildTable(KeyTable which)
{
    KeyNames::Table table;
    addRuledRows(table, which);
    for (const NamedKey &key : namedKeys)
        addRow(table, key.name, which == KeyTable::Usage ? key.usageCode : key.systemCode);
    return table;
}

} // namespace

const KeyNames::Table &KeyNames::usageTable()
{
    static const Table table = buildTable(KeyTable::Usage);
    return table;
}

const KeyNames::Table &KeyNames::systemTable()
{
    static const Table table = buildTable(KeyTable::System);
    return table;
}

const KeyNames::Table &KeyNames::table(KeyTable which)
{
    return which == KeyTable::Usage ? usageTable() : systemTable();
}

bool KeyNames::keyNameToVirtualKey(const std::string &name, int &code, KeyTable which)
{
    const Table &names = table(which);
    const auto found = names.find(name);
    code = found == names.end() ? NotFound : found->second;
    return found != names.end();
}
