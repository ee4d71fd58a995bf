#include "engine/pen/RelativeAbsoluteMotion.h"
#include "engine/pen/RelativeGameMotion.h"
#include "engine/pen/RelativeStroke.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kTip = TabletPenPacket::TipDown;
constexpr std::uint32_t kHover = TabletPenPacket::Hovering;
constexpr std::uint32_t kOut = TabletPenPacket::OutOfRange;

TabletPenPacket at(std::uint32_t status, std::uint32_t x, std::uint32_t y,
                   std::uint16_t pressure = 0)
{
    return TabletPenPacket(status, x, y, pressure, 0, 0, 0, 0, 0);
}

// Speed step 5: 5080 / (5 x 96) = 127 / 12 tablet units per pixel, so d units move
// trunc(12 d / 127) pixels: 130 -> 12.28, 260 -> 24.57, 390 -> 36.85, 53 -> 5.01,
// 5000 -> 472.44.
constexpr std::int32_t kStep = 5;

TEST(RelativeStroke, CountsPerPixelFollowTheSpeedStep)
{
    struct StepCase
    {
        std::int32_t step;
        double expected;
    };
    const StepCase cases[] = {
        {1, 52.916666666666664}, {5, 10.583333333333334}, {9, 5.87962962962963},
        {0, 10.16},              {10, 10.16},             {-3, 10.16},
    };
    for (const StepCase &c : cases) {
        SCOPED_TRACE("step " + std::to_string(c.step));
        EXPECT_NEAR(RelativeStroke::countsPerPixel(c.step), c.expected, 1e-12);
    }
}

TEST(RelativeStroke, AStrokeRunsFromTheFirstPacketInRangeToTheNextOutOfRange)
{
    RelativeStroke stroke;
    EXPECT_EQ(stroke.follow(at(kOut, 5, 5)), RelativeStroke::Step::Idle);
    EXPECT_EQ(stroke.follow(at(kHover, 1000, 2000)), RelativeStroke::Step::Started);
    EXPECT_EQ(stroke.follow(at(kTip, 1010, 1990)), RelativeStroke::Step::Moved);
    EXPECT_EQ(stroke.dx(), 10);
    EXPECT_EQ(stroke.dy(), -10);
    EXPECT_EQ(stroke.follow(at(kOut, 900, 2100)), RelativeStroke::Step::Ended);
    EXPECT_EQ(stroke.dx(), -100);
    EXPECT_EQ(stroke.dy(), 100);
    EXPECT_EQ(stroke.follow(at(kOut, 900, 2100)), RelativeStroke::Step::Idle);
    EXPECT_EQ(stroke.follow(at(kHover, 0, 0)), RelativeStroke::Step::Started);
}

struct Motion
{
    bool present;
    std::int32_t dx;
    std::int32_t dy;
    std::uint8_t pressed;
};

bool operator==(const Motion &a, const Motion &b)
{
    return a.present == b.present && a.dx == b.dx && a.dy == b.dy && a.pressed == b.pressed;
}

std::ostream &operator<<(std::ostream &out, const Motion &m)
{
    if (!m.present)
        return out << "no event";
    return out << "(" << m.dx << ", " << m.dy << ") pressed " << int(m.pressed);
}

Motion motionOf(const std::shared_ptr<PointerEvent> &event)
{
    if (!event)
        return {false, 0, 0, 0};
    const auto mouse = std::dynamic_pointer_cast<MousePointerEvent>(event);
    EXPECT_TRUE(mouse);
    EXPECT_EQ(event->kind, PointerEvent::RelativeMouse);
    EXPECT_EQ(mouse->button, MousePointerEvent::Left);
    return {true, static_cast<std::int32_t>(event->x), static_cast<std::int32_t>(event->y),
            mouse->pressed};
}

struct GameStep
{
    const char *name;
    TabletPenPacket packet;
    Motion expected;
};

TEST(RelativeGameMotion, MovesByWholePixelsDrawnAndCapsEachReportAt127)
{
    const GameStep steps[] = {
        {"out of range outside a stroke gives nothing", at(kOut, 0, 0), {false, 0, 0, 0}},
        {"the first packet only records the start", at(kHover, 1000, 1000), {false, 0, 0, 0}},
        {"the first measurement of the process moves nothing", at(kTip, 1130, 870, 500),
         {true, 0, 0, 1}},
        {"12 more pixels each way", at(kTip, 1260, 740, 500), {true, 12, -12, 1}},
        {"the leaving packet moves and ends the stroke", at(kOut, 1390, 610), {true, 12, -12, 0}},
        {"a new stroke records its start", at(kHover, 5000, 5000), {false, 0, 0, 0}},
        {"a later stroke moves from 0", at(kHover, 5053, 5000), {true, 5, 0, 0}},
        {"a far move is capped at 127", at(kHover, 10000, 5000), {true, 127, 0, 0}},
        {"the rest follows in the next report", at(kHover, 10000, 5000), {true, 127, 0, 0}},
        {"and the next", at(kHover, 10000, 5000), {true, 127, 0, 0}},
        {"until the pen is caught up", at(kHover, 10000, 5000), {true, 86, 0, 0}},
        {"a pen at rest moves nothing", at(kHover, 10000, 5000), {true, 0, 0, 0}},
        {"a far move back is capped at -127", at(kOut, 0, 5000), {true, -127, 0, 0}},
        {"after the stroke the start is taken again", at(kHover, 200, 200), {false, 0, 0, 0}},
        {"and the motion counts from 0 again", at(kHover, 330, 200), {true, 12, 0, 0}},
    };
    RelativeGameMotion game;
    for (const GameStep &s : steps) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(motionOf(game.motion(s.packet, kStep)), s.expected);
    }
}

TEST(RelativeGameMotion, MotionIsCappedAt127InBothDirectionsOnBothAxes)
{
    RelativeGameMotion game;
    game.motion(at(kHover, 8000, 8000), kStep);
    game.motion(at(kHover, 8000, 8000), kStep); // the measurement that moves nothing
    EXPECT_EQ(motionOf(game.motion(at(kHover, 13000, 3000), kStep)),
              (Motion{true, 127, -127, 0}));
    EXPECT_EQ(motionOf(game.motion(at(kHover, 3000, 13000), kStep)),
              (Motion{true, -127, 127, 0}));
}

// Absolute mouse mode on a 1920 x 1080 desktop: a pixel is 32767 / 1920 normalised units
// across and 32767 / 1080 down.
PenConfigure penWithInk(bool ink)
{
    PenConfigure pen;
    pen.relative = true;
    pen.step = kStep;
    pen.ink = ink;
    return pen;
}

struct Recorder
{
    int cursorAsked = 0;
    int toolChangesTaken = 0;
    QPoint cursor{960, 540};

    PenContext context(bool eraser = false)
    {
        PenContext c;
        c.eraserMode = eraser;
        c.cursorPosition = [this] {
            ++cursorAsked;
            return cursor;
        };
        c.takeToolChange = [this] {
            ++toolChangesTaken;
            return toolChangesTaken == 1;
        };
        return c;
    }
};

using XY = std::pair<int, int>;

XY positionOf(const std::shared_ptr<PointerEvent> &event)
{
    return XY(static_cast<int>(event->x), static_cast<int>(event->y));
}

TEST(RelativeAbsoluteMotion, MovesFromTheCursorByTheDistanceDrawnAndRemembersTheEnd)
{
    Recorder recorder;
    const PenContext context = recorder.context();
    RelativeAbsoluteMotion mode;
    const PenConfigure pen = penWithInk(true);
    const QSize desktop(1920, 1080);

    // The cursor at (960, 540) is (16383, 16383) in normalised units.
    EXPECT_FALSE(mode.motion(at(kHover, 1000, 1000), 0, 0, pen, desktop, context));
    EXPECT_EQ(recorder.cursorAsked, 1);
    EXPECT_EQ(mode.rememberedPosition(), QPoint(16383, 16383));

    // 12.28 pixels right and up: 16383 + 209.6 and 16383 - 372.7.
    const auto first = mode.motion(at(kTip, 1130, 870, 500), 3, -4, pen, desktop, context);
    ASSERT_TRUE(first);
    EXPECT_EQ(positionOf(first), XY(16592, 16010));
    const auto digitizer = std::dynamic_pointer_cast<DigitizerPointerEvent>(first);
    ASSERT_TRUE(digitizer);
    EXPECT_EQ(digitizer->pressure, 500);
    EXPECT_EQ(digitizer->tiltX, 3);
    EXPECT_EQ(digitizer->tiltY, 65532);
    EXPECT_EQ(digitizer->status, kTip);
    EXPECT_EQ(digitizer->leave, 1);
    EXPECT_EQ(digitizer->eraser, 0);

    // 24.57 pixels: 16383 + 419.3 and 16383 - 745.4; the stroke ends there.
    const auto leaving = mode.motion(at(kOut, 1260, 740), 0, 0, pen, desktop, context);
    ASSERT_TRUE(leaving);
    EXPECT_EQ(positionOf(leaving), XY(16802, 15637));
    EXPECT_EQ(std::dynamic_pointer_cast<DigitizerPointerEvent>(leaving)->leave, 0);
    EXPECT_EQ(mode.rememberedPosition(), QPoint(16802, 15637));

    // The next stroke starts where the last one ended, without asking for the cursor.
    EXPECT_FALSE(mode.motion(at(kHover, 0, 0), 0, 0, pen, desktop, context));
    const auto next = mode.motion(at(kHover, 130, 0), 0, 0, pen, desktop, context);
    ASSERT_TRUE(next);
    EXPECT_EQ(positionOf(next), XY(17011, 15637));
    EXPECT_EQ(recorder.cursorAsked, 1);
    EXPECT_EQ(recorder.toolChangesTaken, 3);
}

TEST(RelativeAbsoluteMotion, ADesktopOf0x0CountsAs1920x1080)
{
    const QSize desktops[] = {QSize(0, 0), QSize(0, 1080), QSize(1920, 0), QSize(-1, -1)};
    for (const QSize &desktop : desktops) {
        SCOPED_TRACE(std::to_string(desktop.width()) + " x " + std::to_string(desktop.height()));
        Recorder recorder;
        RelativeAbsoluteMotion mode;
        mode.motion(at(kHover, 1000, 1000), 0, 0, penWithInk(true), desktop, recorder.context());
        EXPECT_EQ(mode.rememberedPosition(), QPoint(16383, 16383));
        const auto event = mode.motion(at(kTip, 1130, 870, 500), 0, 0, penWithInk(true), desktop,
                                       recorder.context());
        ASSERT_TRUE(event);
        EXPECT_EQ(positionOf(event), XY(16592, 16010));
    }
}

TEST(RelativeAbsoluteMotion, PositionsAreHeldWithinTheDesktop)
{
    Recorder recorder;
    RelativeAbsoluteMotion mode;
    const QSize desktop(1920, 1080);
    mode.motion(at(kHover, 50000, 50000), 0, 0, penWithInk(true), desktop, recorder.context());
    const auto farAway = mode.motion(at(kHover, 100000, 0), 0, 0, penWithInk(true), desktop,
                                     recorder.context());
    EXPECT_EQ(positionOf(farAway), XY(32767, 0));
    const auto farBack = mode.motion(at(kHover, 0, 100000), 0, 0, penWithInk(true), desktop,
                                     recorder.context());
    EXPECT_EQ(positionOf(farBack), XY(0, 32767));
}

TEST(RelativeAbsoluteMotion, WithoutInkTheEventIsAnAbsoluteMouseEventAndTakesNoToolChange)
{
    Recorder recorder;
    RelativeAbsoluteMotion mode;
    const QSize desktop(1920, 1080);
    mode.motion(at(kHover, 1000, 1000), 0, 0, penWithInk(false), desktop, recorder.context());
    const auto pressing = mode.motion(at(kTip, 1130, 870, 500), 0, 0, penWithInk(false), desktop,
                                      recorder.context());
    const auto mouse = std::dynamic_pointer_cast<MousePointerEvent>(pressing);
    ASSERT_TRUE(mouse);
    EXPECT_EQ(mouse->kind, PointerEvent::AbsoluteMouse);
    EXPECT_EQ(positionOf(pressing), XY(16592, 16010));
    EXPECT_EQ(mouse->button, MousePointerEvent::Left);
    EXPECT_EQ(mouse->pressed, 1);
    const auto hovering = std::dynamic_pointer_cast<MousePointerEvent>(mode.motion(
            at(kHover, 1130, 870, 0), 0, 0, penWithInk(false), desktop, recorder.context()));
    ASSERT_TRUE(hovering);
    EXPECT_EQ(hovering->pressed, 0);
    EXPECT_EQ(recorder.toolChangesTaken, 0);
}

TEST(RelativeAbsoluteMotion, EraserModeReachesTheDigitizerEvent)
{
    Recorder recorder;
    RelativeAbsoluteMotion mode;
    mode.motion(at(kHover, 1000, 1000), 0, 0, penWithInk(true), QSize(1920, 1080),
                recorder.context(true));
    const auto event = std::dynamic_pointer_cast<DigitizerPointerEvent>(mode.motion(
            at(kHover, 1000, 1000), 0, 0, penWithInk(true), QSize(1920, 1080),
            recorder.context(true)));
    ASSERT_TRUE(event);
    EXPECT_EQ(event->eraser, 1);
}

TEST(RelativeAbsoluteMotion, AStrokeEndingAtTheOriginTakesTheCursorAgain)
{
    Recorder recorder;
    RelativeAbsoluteMotion mode;
    const QSize desktop(1920, 1080);
    mode.motion(at(kHover, 50000, 50000), 0, 0, penWithInk(true), desktop, recorder.context());
    mode.motion(at(kOut, 0, 0), 0, 0, penWithInk(true), desktop, recorder.context());
    EXPECT_EQ(mode.rememberedPosition(), QPoint(0, 0));
    recorder.cursor = QPoint(480, 270);
    mode.motion(at(kHover, 10, 10), 0, 0, penWithInk(true), desktop, recorder.context());
    EXPECT_EQ(recorder.cursorAsked, 2);
    // 480 and 270 pixels are 8191.75 units.
    EXPECT_EQ(mode.rememberedPosition(), QPoint(8191, 8191));
}

TEST(RelativeAbsoluteMotion, ACursorLeftOfTheDesktopStartsBelow0AndIsHeldAt0)
{
    Recorder recorder;
    recorder.cursor = QPoint(-960, 540);
    RelativeAbsoluteMotion mode;
    const QSize desktop(1920, 1080);
    mode.motion(at(kHover, 1000, 1000), 0, 0, penWithInk(true), desktop, recorder.context());
    EXPECT_EQ(mode.rememberedPosition(), QPoint(-16383, 16383));
    const auto event = mode.motion(at(kHover, 1130, 1000), 0, 0, penWithInk(true), desktop,
                                   recorder.context());
    EXPECT_EQ(positionOf(event), XY(0, 16383));
}

} // namespace
