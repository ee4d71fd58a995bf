#include "engine/output/KeyboardReport.h"
#include "engine/support/KeyboardEventFactory.h"

#include "engine/support/RecordingReportSink.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

using namespace KeyboardEventFactory;

} // namespace

TEST(KeyboardReport, PressOfCtrlAndSIsTheWholeLiteralReport)
{
    const Bytes expected = {
        0x09, 0x09, 0x04, 0x01, 0x00, 0x16, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    };
    ASSERT_EQ(expected.size(), 65u);

    EXPECT_EQ(bytesOf(KeyboardReport::build(press(Ctrl, 0x16), 0)), expected);
}

TEST(KeyboardReport, ReportsCarryModifiersAndBothKeysAsTheEventGivesThem)
{
    struct Row
    {
        const char *what;
        KeyboardEvent event;
        std::uint8_t sticky;
        Bytes expected;
    };
    const Row rows[] = {
        {"ctrl shift z", press(Ctrl | Shift, 0x1D), 0,
         zeroPaddedReport({9, 9, 4, 0x03, 0, 0x1D, 0xFF})},
        {"two keys", press(0, 0x04, 0x05), 0, zeroPaddedReport({9, 9, 4, 0x00, 0, 0x04, 0x05})},
        {"alt f4", press(Alt, 0x3D), 0, zeroPaddedReport({9, 9, 4, 0x04, 0, 0x3D, 0xFF})},
        {"win e", press(Win, 0x08), 0, zeroPaddedReport({9, 9, 4, 0x08, 0, 0x08, 0xFF})},
        {"every modifier", press(Shift | Ctrl | Win | Alt, 0x2C), 0,
         zeroPaddedReport({9, 9, 4, 0x0F, 0, 0x2C, 0xFF})},
        {"no key at all", press(0), 0, zeroPaddedReport({9, 9, 4, 0x00, 0, 0xFF, 0xFF})},
        {"key code above a byte keeps its low byte", press(0, 0x1A6), 0,
         zeroPaddedReport({9, 9, 4, 0x00, 0, 0xA6, 0xFF})},
        {"sticky bits join a press without modifiers", press(0, 0x04), 0x02,
         zeroPaddedReport({9, 9, 4, 0x02, 0, 0x04, 0xFF})},
        {"own modifiers replace the sticky bits", press(Ctrl, 0x04), 0x0E,
         zeroPaddedReport({9, 9, 4, 0x01, 0, 0x04, 0xFF})},
        {"release carries nothing", release(Ctrl | Shift, 0x1D, 0x04), 0,
         zeroPaddedReport({9, 9, 4})},
        {"release carries no sticky bits", release(0, 0x04), 0x0F, zeroPaddedReport({9, 9, 4})},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(bytesOf(KeyboardReport::build(row.event, row.sticky)), row.expected);
    }
}

TEST(KeyboardReport, EventModifiersMapToReportBits)
{
    struct Row
    {
        std::uint32_t eventModifiers;
        std::uint8_t reportBits;
    };
    const Row rows[] = {
        {0, 0x00},
        {Shift, 0x02},
        {Ctrl, 0x01},
        {Win, 0x08},
        {Alt, 0x04},
        {Ctrl | Shift, 0x03},
        {Ctrl | Alt, 0x05},
        {Shift | Ctrl | Win | Alt, 0x0F},
        {0x10, 0x00},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.eventModifiers);
        EXPECT_EQ(KeyboardReport::modifierBits(row.eventModifiers), row.reportBits);
    }
}

TEST(KeyboardReport, ModifierOnlyEventsSetAndClearTheStickyState)
{
    struct Row
    {
        const char *what;
        std::uint8_t before;
        KeyboardEvent event;
        std::uint8_t after;
    };
    const Row rows[] = {
        {"shift press sets shift", 0x00, press(Shift), 0x02},
        {"ctrl press sets ctrl", 0x00, press(Ctrl), 0x01},
        {"alt press sets alt", 0x00, press(Alt), 0x04},
        {"win press sets win", 0x00, press(Win), 0x08},
        {"press adds to what is held", 0x02, press(Ctrl | Alt), 0x07},
        {"release clears only its modifiers", 0x07, release(Ctrl), 0x06},
        {"release of an unheld modifier changes nothing", 0x02, release(Win), 0x02},
        {"a press with a key leaves the state", 0x02, press(Ctrl, 0x04), 0x02},
        {"a release with a key leaves the state", 0x02, release(Shift, 0x04), 0x02},
        {"a press with only a second key leaves the state", 0x00, press(Alt, NoKey, 0x05), 0x00},
        {"an event without modifiers or keys leaves the state", 0x05, press(0), 0x05},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(KeyboardReport::stickyAfter(row.before, row.event), row.after);
    }
}
