#include "engine/output/PointerReport.h"

#include "engine/support/RecordingReportSink.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t Hovering = 0xA0;
constexpr std::uint8_t Touching = 0xA1;
constexpr std::uint8_t OutOfRange = 0xC0;

DigitizerPointerEvent penEvent(std::uint32_t x, std::uint32_t y, std::uint16_t pressure,
                               std::uint8_t status, bool eraser = false, bool leave = false,
                               std::uint16_t tiltX = 0, std::uint16_t tiltY = 0)
{
    return DigitizerPointerEvent(x, y, pressure, tiltX, tiltY, status, leave, eraser);
}

MousePointerEvent mouseEvent(std::uint32_t kind, std::uint32_t x, std::uint32_t y,
                             std::uint32_t button, bool pressed)
{
    return MousePointerEvent(kind, x, y, button, pressed);
}

std::uint32_t motion(std::int32_t value)
{
    return static_cast<std::uint32_t>(value);
}

} // namespace

TEST(PointerReport, PenReportIsTheWholeLiteralReport)
{
    const DigitizerPointerEvent event = penEvent(0x1234, 0x5678, 9000, Touching, false, false,
                                                 0x1F6, 20);
    const Bytes expected = {
        0x09, 0x0A, 0x02, 0x21, 0x34, 0x12, 0x78, 0x56, 0x28, 0x03, 0xF6, 0x14, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    };
    ASSERT_EQ(expected.size(), 65u);

    EXPECT_EQ(bytesOf(PointerReport::pen(event, 0)), expected);
}

TEST(PointerReport, AbsoluteMouseReportIsTheWholeLiteralReport)
{
    const MousePointerEvent event = mouseEvent(PointerEvent::AbsoluteMouse, 32767, 0x0102,
                                               MousePointerEvent::Right, true);
    const Bytes expected = {
        0x09, 0x07, 0x01, 0x02, 0xFF, 0x7F, 0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    };
    ASSERT_EQ(expected.size(), 65u);

    EXPECT_EQ(bytesOf(PointerReport::absoluteMouse(event, 0, false)), expected);
}

TEST(PointerReport, RelativeMouseReportIsTheWholeLiteralReport)
{
    const MousePointerEvent event = mouseEvent(PointerEvent::RelativeMouse, motion(-3), motion(5),
                                               MousePointerEvent::WheelDown, true);
    const Bytes expected = {
        0x09, 0x05, 0x03, 0x00, 0xFD, 0x05, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    };
    ASSERT_EQ(expected.size(), 65u);

    EXPECT_EQ(bytesOf(PointerReport::relativeMouse(event, 0, false)), expected);
}

TEST(PointerReport, PenStatusPressureAndTiltFollowTheEventEraserAndHeldMode)
{
    struct Row
    {
        const char *what;
        DigitizerPointerEvent event;
        int mode;
        Bytes expected;
    };
    const std::vector<Row> rows = {
        {"tip down keeps the tip and masks the pressure to 808",
         penEvent(100, 200, 9000, Touching), 0,
         zeroPaddedReport({9, 10, 2, 0x21, 100, 0, 200, 0, 0x28, 0x03})},
        {"the same with the eraser adds eraser and contact",
         penEvent(100, 200, 9000, Touching, true), 0,
         zeroPaddedReport({9, 10, 2, 0x2D, 100, 0, 200, 0, 0x28, 0x03})},
        {"a hovering eraser without pressure is in range with the eraser only",
         penEvent(100, 200, 0, Hovering, true), 0,
         zeroPaddedReport({9, 10, 2, 0x24, 100, 0, 200, 0})},
        {"an eraser tip without pressure keeps the tip but has no contact",
         penEvent(100, 200, 0, Touching, true), 0,
         zeroPaddedReport({9, 10, 2, 0x25, 100, 0, 200, 0})},
        {"pressure that masks to 0 gives the eraser no contact",
         penEvent(100, 200, 0x2000, Touching, true), 0,
         zeroPaddedReport({9, 10, 2, 0x25, 100, 0, 200, 0})},
        {"a hovering eraser with pressure has contact",
         penEvent(100, 200, 5, Hovering, true), 0,
         zeroPaddedReport({9, 10, 2, 0x2C, 100, 0, 200, 0, 5, 0})},
        {"hovering is in range only", penEvent(1, 2, 0, Hovering), 0,
         zeroPaddedReport({9, 10, 2, 0x20, 1, 0, 2, 0})},
        {"held mode 3 makes hovering a full-pressure tip with the side button",
         penEvent(1, 2, 0, Hovering), 3, zeroPaddedReport({9, 10, 2, 0x23, 1, 0, 2, 0, 0xFF, 0x1F})},
        {"held mode 1 makes hovering a full-pressure tip", penEvent(1, 2, 0, Hovering), 1,
         zeroPaddedReport({9, 10, 2, 0x21, 1, 0, 2, 0, 0xFF, 0x1F})},
        {"held mode 2 leaves the pen as it is", penEvent(1, 2, 0, Hovering), 2,
         zeroPaddedReport({9, 10, 2, 0x20, 1, 0, 2, 0})},
        {"held mode 1 with a hovering eraser adds the tip after the eraser bits",
         penEvent(1, 2, 0, Hovering, true), 1,
         zeroPaddedReport({9, 10, 2, 0x25, 1, 0, 2, 0, 0xFF, 0x1F})},
        {"the leave flag gives a leaving report that keeps the position",
         penEvent(0x7FFF, 0x4000, 4000, Touching, true, true, 30, 40), 3,
         zeroPaddedReport({9, 10, 2, 0xC0, 0xFF, 0x7F, 0x00, 0x40})},
        {"out of range gives a leaving report",
         penEvent(10, 20, 4000, OutOfRange, false, false, 30, 40), 0,
         zeroPaddedReport({9, 10, 2, 0xC0, 10, 0, 20, 0})},
        {"tilt keeps its low bytes", penEvent(1, 2, 0, Hovering, false, false, 0xFFF6, 0x0114), 0,
         zeroPaddedReport({9, 10, 2, 0x20, 1, 0, 2, 0, 0, 0, 0xF6, 0x14})},
        {"positions keep their low 16 bits", penEvent(0x12345, 0xFFFF8001, 0, Hovering), 0,
         zeroPaddedReport({9, 10, 2, 0x20, 0x45, 0x23, 0x01, 0x80})},
        {"status bits beyond the tip are not copied", penEvent(1, 2, 0, 0xA3), 0,
         zeroPaddedReport({9, 10, 2, 0x21, 1, 0, 2, 0})},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(bytesOf(PointerReport::pen(row.event, row.mode)), row.expected);
    }
}

TEST(PointerReport, ButtonCodesGiveButtonsAndWheelWithAndWithoutSwappedButtons)
{
    struct Row
    {
        std::uint32_t code;
        bool swapped;
        std::uint8_t buttons;
        std::int8_t wheel;
    };
    const Row rows[] = {
        {1, false, 1, 0}, {1, true, 2, 0},  {2, false, 4, 0},  {2, true, 4, 0},
        {3, false, 2, 0}, {3, true, 1, 0},  {4, false, 0, 1},  {4, true, 0, 1},
        {5, false, 0, -1}, {5, true, 0, -1}, {0, false, 0, 0}, {6, false, 0, 0},
        {0xFFFFFFFF, true, 0, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "code " << row.code << " swapped " << row.swapped);
        const PointerReport::MouseButtons result =
            PointerReport::mouseButtons(row.code, row.swapped);
        EXPECT_EQ(result.buttons, row.buttons);
        EXPECT_EQ(result.wheel, row.wheel);
    }
}

TEST(PointerReport, AbsoluteMouseTakesTheEventsButtonWhenPressedAndTheHeldModeOtherwise)
{
    struct Row
    {
        const char *what;
        MousePointerEvent event;
        int mode;
        bool swapped;
        Bytes expected;
    };
    const std::vector<Row> rows = {
        {"pressed left", mouseEvent(0, 10, 20, 1, true), 3, false,
         zeroPaddedReport({9, 7, 1, 1, 10, 0, 20, 0, 0})},
        {"pressed left with swapped buttons sets bit 2", mouseEvent(0, 10, 20, 1, true), 0, true,
         zeroPaddedReport({9, 7, 1, 2, 10, 0, 20, 0, 0})},
        {"released with middle held", mouseEvent(0, 10, 20, 1, false), 2, false,
         zeroPaddedReport({9, 7, 1, 4, 10, 0, 20, 0, 0})},
        {"released with nothing held", mouseEvent(0, 10, 20, 3, false), 0, false,
         zeroPaddedReport({9, 7, 1, 0, 10, 0, 20, 0, 0})},
        {"released with an unknown held mode", mouseEvent(0, 10, 20, 3, false), -1, false,
         zeroPaddedReport({9, 7, 1, 0, 10, 0, 20, 0, 0})},
        {"wheel up", mouseEvent(0, 10, 20, 4, true), 0, false,
         zeroPaddedReport({9, 7, 1, 0, 10, 0, 20, 0, 0x01})},
        {"wheel down", mouseEvent(0, 10, 20, 5, true), 0, false,
         zeroPaddedReport({9, 7, 1, 0, 10, 0, 20, 0, 0xFF})},
        {"positions keep their low 16 bits", mouseEvent(0, 0x18000, 0x7FFF, 0, false), 0, false,
         zeroPaddedReport({9, 7, 1, 0, 0x00, 0x80, 0xFF, 0x7F, 0})},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(bytesOf(PointerReport::absoluteMouse(row.event, row.mode, row.swapped)),
                  row.expected);
    }
}

TEST(PointerReport, RelativeMouseCarriesClampedMotionButtonsAndWheel)
{
    struct Row
    {
        const char *what;
        MousePointerEvent event;
        int mode;
        bool swapped;
        Bytes expected;
    };
    const std::vector<Row> rows = {
        {"no motion with the middle button", mouseEvent(1, 0, 0, 2, true), 0, false,
         zeroPaddedReport({9, 5, 3, 4, 0, 0, 0})},
        {"motion of -3 is the byte 0xFD", mouseEvent(1, motion(-3), motion(3), 0, false), 0,
         false, zeroPaddedReport({9, 5, 3, 0, 0xFD, 0x03, 0})},
        {"motion up to 127 passes", mouseEvent(1, motion(127), motion(-127), 0, false), 0, false,
         zeroPaddedReport({9, 5, 3, 0, 0x7F, 0x81, 0})},
        {"motion beyond 127 is clamped", mouseEvent(1, motion(200), motion(-200), 0, false), 0,
         false, zeroPaddedReport({9, 5, 3, 0, 0x7F, 0x81, 0})},
        {"motion of -128 is clamped to -127", mouseEvent(1, motion(-128), motion(128), 0, false),
         0, false, zeroPaddedReport({9, 5, 3, 0, 0x81, 0x7F, 0})},
        {"huge motion is clamped", mouseEvent(1, motion(-2147483647 - 1), motion(2147483647), 0,
                                              false),
         0, false, zeroPaddedReport({9, 5, 3, 0, 0x81, 0x7F, 0})},
        {"released with the primary button held and swapped buttons",
         mouseEvent(1, 0, 0, 0, false), 1, true, zeroPaddedReport({9, 5, 3, 2, 0, 0, 0})},
        {"pressed right with swapped buttons", mouseEvent(1, 0, 0, 3, true), 0, true,
         zeroPaddedReport({9, 5, 3, 1, 0, 0, 0})},
        {"wheel up", mouseEvent(1, 0, 0, 4, true), 0, false,
         zeroPaddedReport({9, 5, 3, 0, 0, 0, 0x01})},
        {"wheel down", mouseEvent(1, 0, 0, 5, true), 0, false,
         zeroPaddedReport({9, 5, 3, 0, 0, 0, 0xFF})},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(bytesOf(PointerReport::relativeMouse(row.event, row.mode, row.swapped)),
                  row.expected);
    }
}
