#include "engine/output/KeyNames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int Absent = -1;

struct KeyRow
{
    std::string name;
    int usageCode;
    int systemCode;
};

std::vector<KeyRow> expectedRows()
{
    std::vector<KeyRow> rows = {
        {"1", 0x1E, 0x31}, {"2", 0x1F, 0x32}, {"3", 0x20, 0x33}, {"4", 0x21, 0x34},
        {"5", 0x22, 0x35}, {"6", 0x23, 0x36}, {"7", 0x24, 0x37}, {"8", 0x25, 0x38},
        {"9", 0x26, 0x39}, {"0", 0x27, 0x30},
        {"NUM(1)", 0x59, 0x61}, {"NUM(2)", 0x5A, 0x62}, {"NUM(3)", 0x5B, 0x63},
        {"NUM(4)", 0x5C, 0x64}, {"NUM(5)", 0x5D, 0x65}, {"NUM(6)", 0x5E, 0x66},
        {"NUM(7)", 0x5F, 0x67}, {"NUM(8)", 0x60, 0x68}, {"NUM(9)", 0x61, 0x69},
        {"NUM(0)", 0x62, 0x60},
        {"A", 0x04, 0x41}, {"B", 0x05, 0x42}, {"C", 0x06, 0x43}, {"D", 0x07, 0x44},
        {"E", 0x08, 0x45}, {"F", 0x09, 0x46}, {"G", 0x0A, 0x47}, {"H", 0x0B, 0x48},
        {"I", 0x0C, 0x49}, {"J", 0x0D, 0x4A}, {"K", 0x0E, 0x4B}, {"L", 0x0F, 0x4C},
        {"M", 0x10, 0x4D}, {"N", 0x11, 0x4E}, {"O", 0x12, 0x4F}, {"P", 0x13, 0x50},
        {"Q", 0x14, 0x51}, {"R", 0x15, 0x52}, {"S", 0x16, 0x53}, {"T", 0x17, 0x54},
        {"U", 0x18, 0x55}, {"V", 0x19, 0x56}, {"W", 0x1A, 0x57}, {"X", 0x1B, 0x58},
        {"Y", 0x1C, 0x59}, {"Z", 0x1D, 0x5A},
        {"F1", 0x3A, 0x70}, {"F2", 0x3B, 0x71}, {"F3", 0x3C, 0x72}, {"F4", 0x3D, 0x73},
        {"F5", 0x3E, 0x74}, {"F6", 0x3F, 0x75}, {"F7", 0x40, 0x76}, {"F8", 0x41, 0x77},
        {"F9", 0x42, 0x78}, {"F10", 0x43, 0x79}, {"F11", 0x44, 0x7A}, {"F12", 0x45, 0x7B},
        {"ESC", 0x29, 0x1B},
        {"TAB", 0x2B, 0x09},
        {"BACKTAB", 0x2B, 0x09},
        {"BACKSPACE", 0x2A, 0x08},
        {"RETURN", 0x28, 0x0D},
        {"RETURE", 0x28, 0x0D},
        {"ENTER", 0x58, 0x0D},
        {"INST", 0x49, 0x2D},
        {"INSERT", 0x49, 0x2D},
        {"DEL", 0x4C, 0x2E},
        {"PAUSE", 0x48, 0x13},
        {"PRINT", 0x46, 0x2A},
        {"CLEAR", 0x5D, 0x0C},
        {"HOME", 0x4A, 0x24},
        {"END", 0x4D, 0x23},
        {"LEFT", 0x50, 0x25},
        {"UP", 0x52, 0x26},
        {"RIGHT", 0x4F, 0x27},
        {"DOWN", 0x51, 0x28},
        {"PGUP", 0x4B, 0x21},
        {"PGDN", 0x4E, 0x22},
        {"SHIFT", Absent, 0x10},
        {"CTRL", Absent, 0xA2},
        {"META", Absent, 0x5B},
        {"WIN", Absent, 0x5B},
        {"ALT", Absent, 0xA4},
        {"CAPS", 0x39, 0x14},
        {"NUM", 0x53, 0x90},
        {"SCROLL", 0x47, 0x91},
        {"MENU", 0x65, 0x02},
        {"SPACE", 0x2C, 0x20},
        {"NUM_ADD", 0x57, 0x6B},
        {"NUM(PLUS)", 0x57, 0x6B},
        {"NUM_SUBTRACT", 0x56, 0x6D},
        {"NUM(-)", 0x56, 0x6D},
        {"NUM_MULTIPLY", 0x55, 0x6A},
        {"NUM(*)", 0x55, 0x6A},
        {"NUM_DIVIDE", 0x54, 0x6F},
        {"NUM(/)", 0x54, 0x6F},
        {"NUM_DECIMAL", 0x63, 0x6E},
        {"NUM(.)", 0x63, 0x6E},
        {"_", 0x2D, 0xBD},
        {"-", 0x2D, 0xBD},
        {"=", 0x2E, 0xBB},
        {"+", 0x2E, 0xBB},
        {"SEMICOLON", 0x33, 0xBA},
        {";", 0x33, 0xBA},
        {"`", 0x35, 0xC0},
        {"[", 0x2F, 0xDB},
        {"]", 0x30, 0xDD},
        {"'", 0x34, 0xDE},
        {"\\", 0x31, 0xDC},
        {",", 0x36, 0xBC},
        {".", 0x37, 0xBE},
        {"BrowserBack", Absent, 0xA6},
        {"BrowserForward", Absent, 0xA7},
        {"BrowserRefresh", Absent, 0xA8},
        {"BrowserHome", Absent, 0xAC},
        {"PrevTrack", Absent, 0xB1},
        {"NextTrack", Absent, 0xB0},
        {"PlayPause", Absent, 0xB3},
        {"VolumeMute", Absent, 0xAD},
        {"VolumeDown", Absent, 0xAE},
        {"VolumeUp", Absent, 0xAF},
        {"/", 0x38, Absent},
    };
    return rows;
}

void expectLookUp(const std::string &name, KeyTable which, int expected)
{
    int code = 12345;
    const bool found = KeyNames::keyNameToVirtualKey(name, code, which);
    EXPECT_EQ(found, expected != Absent);
    EXPECT_EQ(code, expected);
}

std::size_t rowsIn(KeyTable which)
{
    std::size_t count = 0;
    for (const KeyRow &row : expectedRows())
        count += (which == KeyTable::Usage ? row.usageCode : row.systemCode) != Absent;
    return count;
}

} // namespace

TEST(KeyNames, EveryNameGivesItsUsageCodeOrIsAbsentFromTheUsageTable)
{
    for (const KeyRow &row : expectedRows()) {
        SCOPED_TRACE(row.name);
        expectLookUp(row.name, KeyTable::Usage, row.usageCode);
    }
}

TEST(KeyNames, EveryNameGivesItsVirtualKeyOrIsAbsentFromTheSystemTable)
{
    for (const KeyRow &row : expectedRows()) {
        SCOPED_TRACE(row.name);
        expectLookUp(row.name, KeyTable::System, row.systemCode);
    }
}

TEST(KeyNames, TablesHoldNoNamesBeyondTheListedOnes)
{
    EXPECT_EQ(KeyNames::usageTable().size(), rowsIn(KeyTable::Usage));
    EXPECT_EQ(KeyNames::systemTable().size(), rowsIn(KeyTable::System));
}

TEST(KeyNames, TableSelectorPicksUsageTableWhenTrue)
{
    EXPECT_EQ(&KeyNames::table(KeyTable::Usage), &KeyNames::usageTable());
    EXPECT_EQ(&KeyNames::table(KeyTable::System), &KeyNames::systemTable());
    EXPECT_TRUE(static_cast<bool>(KeyTable::Usage));
    EXPECT_FALSE(static_cast<bool>(KeyTable::System));
}

TEST(KeyNames, SlashIsInTheUsageTableOnly)
{
    expectLookUp("/", KeyTable::Usage, 0x38);
    expectLookUp("/", KeyTable::System, Absent);
}

TEST(KeyNames, TheSettingsWindowsSpellingOfReturnIsReturn)
{
    expectLookUp("RETURE", KeyTable::Usage, 0x28);
    expectLookUp("RETURE", KeyTable::System, 0x0D);
}

TEST(KeyNames, NamesAreCaseSensitive)
{
    const char *const wronglyCased[] = {"a", "z", "Esc", "esc", "f1", "Num(1)", "num(plus)",
                                        "Return", "Reture", "browserback", "BROWSERBACK",
                                        "Semicolon", "Shift", "Volumeup"};
    for (const char *name : wronglyCased) {
        SCOPED_TRACE(name);
        expectLookUp(name, KeyTable::Usage, Absent);
        expectLookUp(name, KeyTable::System, Absent);
    }
}

TEST(KeyNames, UnknownNamesAreFoundInNeitherTable)
{
    const char *const unknown[] = {"", " ", "F0", "F13", "NUM(10)", "NUM()", "NUM(+)", "ALTGR",
                                   "AA", "A ", " A", "CTRL+A", "10", "RETURNS", "~", "!"};
    for (const char *name : unknown) {
        SCOPED_TRACE(name);
        expectLookUp(name, KeyTable::Usage, Absent);
        expectLookUp(name, KeyTable::System, Absent);
    }
}

TEST(KeyNames, TablesAreBuiltOnceAndKeptForTheProcess)
{
    const KeyNames::Table *usage = &KeyNames::usageTable();
    const KeyNames::Table *system = &KeyNames::systemTable();
    EXPECT_EQ(&KeyNames::usageTable(), usage);
    EXPECT_EQ(&KeyNames::systemTable(), system);
}
