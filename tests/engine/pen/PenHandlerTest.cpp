#include "engine/pen/PenHandler.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace {

using XY = std::pair<int, int>;
using Trace = std::array<std::int32_t, 6>;

constexpr std::uint32_t kTip = TabletPenPacket::TipDown;
constexpr std::uint32_t kHover = TabletPenPacket::Hovering;
constexpr std::uint32_t kOut = TabletPenPacket::OutOfRange;

PenDeviceLimits tablet()
{
    PenDeviceLimits device;
    device.maximumX = 15200;
    device.maximumY = 9500;
    device.maximumPressure = 8191;
    return device;
}

// The whole tablet onto one 1920 x 1080 screen: 7600, 4750 is the centre, (16383, 16383).
TabletConfigure configureWith(bool ink, bool relative = false, bool gameSupport = false)
{
    TabletConfigure configure;
    configure.pen.ink = ink;
    configure.pen.relative = relative;
    configure.pen.gameSupport = gameSupport;
    configure.pen.step = 5;
    configure.mapping.desktopSize = QSize(1920, 1080);
    configure.mapping.absRect = QRect(0, 0, 1920, 1080);
    configure.mapping.part = QRect(0, 0, 1920, 1080);
    configure.mapping.workArea = QRect(0, 0, 100, 100);
    return configure;
}

TabletPenPacket pen(std::uint32_t status, std::uint32_t x, std::uint32_t y,
                    std::uint16_t pressure = 0, std::int8_t tiltX = 0, std::int8_t tiltY = 0,
                    std::uint8_t button1 = 0)
{
    return TabletPenPacket(status, x, y, pressure, tiltX, tiltY, 0, button1, 0);
}

// Drivers that record what reaches them. The stand-in monitor conversion halves the position,
// so Wintab positions are told apart from normalised ones.
struct FakeEngine
{
    bool hasWintab = true;
    bool hasPointer = true;
    WintabAnswer answer;
    std::vector<WintabPenRecord> posted;
    std::vector<std::shared_ptr<PointerEvent>> sent;
    int toolChangesTaken = 0;
    bool eraserMode = false;

    PenOutputs outputs()
    {
        PenOutputs outputs;
        outputs.toWintabPosition = [](const QPoint &p) { return QPoint(p.x() / 2, p.y() / 2); };
        if (hasWintab)
            outputs.postWintab = [this](const WintabPenRecord &record) {
                posted.push_back(record);
                return answer;
            };
        if (hasPointer)
            outputs.sendPointer = [this](const std::shared_ptr<PointerEvent> &event) {
                sent.push_back(event);
            };
        return outputs;
    }

    PenContext context()
    {
        PenContext context;
        context.eraserMode = eraserMode;
        context.takeToolChange = [this] {
            ++toolChangesTaken;
            return true;
        };
        context.cursorPosition = [] { return QPoint(960, 540); };
        return context;
    }
};

PenOutcome handle(PenHandler &handler, FakeEngine &engine, const TabletPenPacket &packet,
                  const TabletConfigure &configure)
{
    return handler.handlePen(packet, configure, tablet(), engine.context(), engine.outputs());
}

XY positionOf(const PointerEvent &event)
{
    return XY(static_cast<int>(event.x), static_cast<int>(event.y));
}

const Trace kNoTrace{0, 0, 0, 0, 0, 0};

TEST(PenHandler, AbsoluteInkPostsTheWintabRecordThenSendsADigitizerEvent)
{
    FakeEngine engine;
    engine.eraserMode = true;
    PenHandler handler;
    const PenOutcome outcome =
            handle(handler, engine, pen(kTip, 7600, 4750, 1000, 5, -3, 1), configureWith(true));

    ASSERT_EQ(engine.posted.size(), 1u);
    const WintabPenRecord &record = engine.posted.front();
    EXPECT_EQ(XY(record.x, record.y), XY(8191, 8191));
    EXPECT_EQ(record.pressure, 1000u);
    EXPECT_EQ(XY(record.tiltX, record.tiltY), XY(5, -3));
    EXPECT_EQ(record.buttons, 2);
    EXPECT_EQ(record.state, kTip);
    EXPECT_EQ(record.eraser, 1);
    EXPECT_EQ(record.ink, 1);
    EXPECT_EQ(XY(record.alternativeX, record.alternativeY), XY(16383, 16383));

    ASSERT_EQ(engine.sent.size(), 1u);
    const auto event = std::dynamic_pointer_cast<DigitizerPointerEvent>(engine.sent.front());
    ASSERT_TRUE(event);
    EXPECT_EQ(positionOf(*event), XY(16383, 16383));
    EXPECT_EQ(event->pressure, 1000);
    EXPECT_EQ(event->tiltX, 5);
    EXPECT_EQ(event->tiltY, 65533);
    EXPECT_EQ(event->status, kTip);
    EXPECT_EQ(event->leave, 1);
    EXPECT_EQ(event->eraser, 1);
    EXPECT_EQ(engine.toolChangesTaken, 1);

    EXPECT_EQ(outcome.sentEvent, engine.sent.front());
    EXPECT_EQ(outcome.trace.values(), (Trace{16383, 16383, 16383, 16383, 8191, 8191}));
}

TEST(PenHandler, WithoutInkTheEventIsAnAbsoluteLeftButtonHeldWhilePressing)
{
    struct InkOffCase
    {
        const char *name;
        std::uint16_t pressure;
        std::uint8_t pressed;
    };
    const InkOffCase cases[] = {{"a pressing pen holds the button", 1000, 1},
                                {"a hovering pen releases it", 0, 0}};
    for (const InkOffCase &c : cases) {
        SCOPED_TRACE(c.name);
        FakeEngine engine;
        PenHandler handler;
        handle(handler, engine, pen(kTip, 3800, 2375, c.pressure), configureWith(false));
        ASSERT_EQ(engine.sent.size(), 1u);
        const auto mouse = std::dynamic_pointer_cast<MousePointerEvent>(engine.sent.front());
        ASSERT_TRUE(mouse);
        EXPECT_EQ(mouse->kind, PointerEvent::AbsoluteMouse);
        EXPECT_EQ(positionOf(*mouse), XY(8191, 8191));
        EXPECT_EQ(mouse->button, MousePointerEvent::Left);
        EXPECT_EQ(mouse->pressed, c.pressed);
        // Taken all the same, so a pending tool change does not linger.
        EXPECT_EQ(engine.toolChangesTaken, 1);
        ASSERT_EQ(engine.posted.size(), 1u);
        EXPECT_EQ(engine.posted.front().ink, 0);
    }
}

TEST(PenHandler, AHoveringPointOutsideTheWorkAreaGivesNoOutputButALeavingOneDoes)
{
    TabletConfigure configure = configureWith(true);
    configure.mapping.workArea = QRect(25, 0, 50, 100);

    FakeEngine hovering;
    PenHandler handler;
    const PenOutcome none = handle(handler, hovering, pen(kHover, 3000, 4750), configure);
    EXPECT_TRUE(hovering.posted.empty());
    EXPECT_TRUE(hovering.sent.empty());
    EXPECT_EQ(none.trace.values(), kNoTrace);
    EXPECT_EQ(hovering.toolChangesTaken, 0);

    FakeEngine leaving;
    const PenOutcome left = handle(handler, leaving, pen(kOut, 3000, 4750), configure);
    ASSERT_EQ(leaving.sent.size(), 1u);
    const auto event = std::dynamic_pointer_cast<DigitizerPointerEvent>(leaving.sent.front());
    ASSERT_TRUE(event);
    // Left of the work area is held at the left edge, not wrapped to the right one.
    EXPECT_EQ(positionOf(*event), XY(0, 16383));
    EXPECT_EQ(event->status, kOut);
    ASSERT_EQ(leaving.posted.size(), 1u);
    EXPECT_EQ(XY(leaving.posted.front().alternativeX, leaving.posted.front().alternativeY),
              XY(0, 16383));
    EXPECT_EQ(left.trace.values(), (Trace{0, 16383, 0, 16383, 0, 8191}));
}

TEST(PenHandler, AWintabClientTakingThePenHoldsThePointerEventBack)
{
    FakeEngine engine;
    engine.answer.pointerOutputWanted = false;
    PenHandler handler;
    const PenOutcome outcome =
            handle(handler, engine, pen(kTip, 7600, 4750, 1000), configureWith(true));
    EXPECT_EQ(engine.posted.size(), 1u);
    EXPECT_TRUE(engine.sent.empty());
    EXPECT_FALSE(outcome.sentEvent);
    EXPECT_EQ(outcome.trace.values(), kNoTrace);
}

TEST(PenHandler, AMouseOnlyForegroundHostGetsAnAbsoluteMouseEventInstead)
{
    FakeEngine engine;
    engine.answer.foregroundHostCode = PenHandler::kMouseOnlyHostCode;
    PenHandler handler;
    const PenOutcome outcome =
            handle(handler, engine, pen(kTip, 7600, 4750, 1000), configureWith(true));
    ASSERT_EQ(engine.sent.size(), 1u);
    const auto mouse = std::dynamic_pointer_cast<MousePointerEvent>(engine.sent.front());
    ASSERT_TRUE(mouse);
    EXPECT_EQ(mouse->kind, PointerEvent::AbsoluteMouse);
    EXPECT_EQ(positionOf(*mouse), XY(16383, 16383));
    EXPECT_EQ(mouse->pressed, 1);
    EXPECT_EQ(outcome.trace.values(), (Trace{16383, 16383, 16383, 16383, 8191, 8191}));
}

TEST(PenHandler, OtherForegroundHostCodesKeepTheDigitizerEvent)
{
    FakeEngine engine;
    engine.answer.foregroundHostCode = 0xFFFF;
    PenHandler handler;
    handle(handler, engine, pen(kTip, 7600, 4750, 1000), configureWith(true));
    ASSERT_EQ(engine.sent.size(), 1u);
    EXPECT_TRUE(std::dynamic_pointer_cast<DigitizerPointerEvent>(engine.sent.front()));
}

TEST(PenHandler, WithoutAWintabDriverTheEventIsSentAndTheWintabPairStaysZero)
{
    FakeEngine engine;
    engine.hasWintab = false;
    PenHandler handler;
    const PenOutcome outcome =
            handle(handler, engine, pen(kTip, 7600, 4750, 1000), configureWith(true));
    EXPECT_EQ(engine.sent.size(), 1u);
    EXPECT_EQ(outcome.trace.values(), (Trace{16383, 16383, 16383, 16383, 0, 0}));
}

TEST(PenHandler, WithoutAPointerDriverNothingIsSentButTheTraceIsFilled)
{
    FakeEngine engine;
    engine.hasPointer = false;
    PenHandler handler;
    const PenOutcome outcome =
            handle(handler, engine, pen(kTip, 7600, 4750, 1000), configureWith(true));
    EXPECT_EQ(engine.posted.size(), 1u);
    EXPECT_FALSE(outcome.sentEvent);
    EXPECT_EQ(outcome.trace.values(), (Trace{16383, 16383, 16383, 16383, 8191, 8191}));
}

TEST(PenHandler, GameModeSendsRelativeMotionAtOnceAndNothingElse)
{
    FakeEngine engine;
    PenHandler handler;
    const TabletConfigure configure = configureWith(true, true, true);

    const PenOutcome start = handle(handler, engine, pen(kHover, 1000, 1000), configure);
    const PenOutcome first = handle(handler, engine, pen(kHover, 1130, 1000), configure);
    const PenOutcome second = handle(handler, engine, pen(kTip, 1260, 1000, 800), configure);

    EXPECT_TRUE(engine.posted.empty());
    ASSERT_EQ(engine.sent.size(), 2u);
    EXPECT_EQ(engine.sent[0]->kind, PointerEvent::RelativeMouse);
    EXPECT_EQ(positionOf(*engine.sent[0]), XY(0, 0));
    EXPECT_EQ(positionOf(*engine.sent[1]), XY(12, 0));
    EXPECT_EQ(std::dynamic_pointer_cast<MousePointerEvent>(engine.sent[1])->pressed, 1);
    for (const PenOutcome *outcome : {&start, &first, &second}) {
        EXPECT_EQ(outcome->trace.values(), kNoTrace);
        EXPECT_FALSE(outcome->sentEvent);
    }
    EXPECT_EQ(engine.toolChangesTaken, 0);
}

TEST(PenHandler, GameModeKeepsPointsOutsideTheWorkArea)
{
    FakeEngine engine;
    PenHandler handler;
    TabletConfigure configure = configureWith(true, true, true);
    configure.mapping.workArea = QRect(25, 0, 50, 100);
    handle(handler, engine, pen(kHover, 100, 1000), configure);
    handle(handler, engine, pen(kHover, 100, 1000), configure);
    EXPECT_EQ(engine.sent.size(), 1u);
}

TEST(PenHandler, RelativeMouseModeMovesFromTheCursorAndReportsThatPosition)
{
    FakeEngine engine;
    PenHandler handler;
    const TabletConfigure configure = configureWith(true, true, false);

    // The stroke's first packet gives no event; Wintab still sees the mapped point.
    const PenOutcome start = handle(handler, engine, pen(kHover, 7600, 4750), configure);
    EXPECT_TRUE(engine.sent.empty());
    ASSERT_EQ(engine.posted.size(), 1u);
    EXPECT_EQ(XY(engine.posted[0].alternativeX, engine.posted[0].alternativeY),
              XY(16383, 16383));
    EXPECT_EQ(start.trace.values(), (Trace{0, 0, 0, 0, 8191, 8191}));

    // 130 units right is 12.28 pixels: from the cursor's 16383 to 16592.
    const PenOutcome moved = handle(handler, engine, pen(kTip, 7730, 4750, 300), configure);
    ASSERT_EQ(engine.sent.size(), 1u);
    EXPECT_EQ(positionOf(*engine.sent[0]), XY(16592, 16383));
    ASSERT_EQ(engine.posted.size(), 2u);
    EXPECT_EQ(XY(engine.posted[1].alternativeX, engine.posted[1].alternativeY),
              XY(16592, 16383));
    EXPECT_EQ(XY(engine.posted[1].x, engine.posted[1].y), XY(8296, 8191));
    EXPECT_EQ(moved.trace.values(), (Trace{16592, 16383, 16592, 16383, 8296, 8191}));
    EXPECT_EQ(moved.sentEvent, engine.sent[0]);
}

TEST(PenHandler, TheWintabRecordCarriesTheRotatedTilt)
{
    FakeEngine engine;
    PenHandler handler;
    TabletConfigure configure = configureWith(true);
    configure.mapping.rotation = 1;
    handle(handler, engine, pen(kTip, 3800, 2375, 10, 5, -3), configure);
    ASSERT_EQ(engine.posted.size(), 1u);
    EXPECT_EQ(XY(engine.posted[0].tiltX, engine.posted[0].tiltY), XY(3, 5));
    EXPECT_EQ(XY(engine.posted[0].alternativeX, engine.posted[0].alternativeY),
              XY(24575, 8191));
    EXPECT_EQ(engine.posted[0].buttons, 0);
}

TEST(PenHandler, AnEmptyDesktopGivesNoOutputAtAll)
{
    FakeEngine engine;
    PenHandler handler;
    TabletConfigure configure = configureWith(true);
    configure.mapping.desktopSize = QSize(0, 0);
    const PenOutcome outcome = handle(handler, engine, pen(kOut, 7600, 4750), configure);
    EXPECT_TRUE(engine.posted.empty());
    EXPECT_TRUE(engine.sent.empty());
    EXPECT_EQ(outcome.trace.values(), kNoTrace);
}

TEST(PenHandler, WintabPositionIsTheNormalisedOneWhenNoConversionIsGiven)
{
    FakeEngine engine;
    PenOutputs outputs = engine.outputs();
    outputs.toWintabPosition = nullptr;
    PenHandler handler;
    handler.handlePen(pen(kTip, 7600, 4750, 5), configureWith(true), tablet(), engine.context(),
                      outputs);
    ASSERT_EQ(engine.posted.size(), 1u);
    EXPECT_EQ(XY(engine.posted[0].x, engine.posted[0].y), XY(16383, 16383));
}

TEST(PenHandler, ADefaultWintabRecordIsOutOfProximity)
{
    EXPECT_EQ(WintabPenRecord().state, kOut);
}

} // namespace

TEST(PenHandler, OneHandlerMapsEachNewMappingAndTabletAsAFreshOneWould)
{
    struct Step
    {
        QRect part;
        std::int32_t rotation;
        std::uint32_t maximumX;
    };
    const Step steps[] = {
        {QRect(0, 0, 1920, 1080), 0, 15200}, {QRect(0, 0, 1920, 1080), 0, 15200},
        {QRect(0, 0, 960, 540), 0, 15200},   {QRect(0, 0, 960, 540), 1, 15200},
        {QRect(0, 0, 960, 540), 1, 30400},   {QRect(0, 0, 1920, 1080), 0, 15200},
    };
    PenHandler kept;
    FakeEngine engine;
    for (const Step &step : steps) {
        SCOPED_TRACE(testing::Message() << "rotation " << step.rotation << " maximum x " << step.maximumX);
        TabletConfigure configure = configureWith(true);
        configure.mapping.part = step.part;
        configure.mapping.rotation = step.rotation;
        PenDeviceLimits device = tablet();
        device.maximumX = step.maximumX;
        const TabletPenPacket packet = pen(kTip, 3800, 2375, 100);

        PenHandler fresh;
        const PenOutcome expected = fresh.handlePen(packet, configure, device, engine.context(), engine.outputs());
        const PenOutcome outcome = kept.handlePen(packet, configure, device, engine.context(), engine.outputs());
        EXPECT_EQ(outcome.trace.values(), expected.trace.values());
    }
}
