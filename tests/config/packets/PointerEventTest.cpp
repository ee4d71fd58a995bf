#include "config/packets/PointerEvent.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <vector>

TEST(PointerEvent, MouseEventKeepsItsArgumentsInOrder)
{
    const MousePointerEvent event(PointerEvent::RelativeMouse, 12, 34, MousePointerEvent::Right, 1);

    EXPECT_EQ(event.kind, 1u);
    EXPECT_EQ(event.x, 12u);
    EXPECT_EQ(event.y, 34u);
    EXPECT_EQ(event.button, 3u);
    EXPECT_EQ(event.pressed, 1u);
}

TEST(PointerEvent, DigitizerEventIsOfKindTwoAndKeepsItsArgumentsInOrder)
{
    const DigitizerPointerEvent event(100, 200, 4096, 0xFFF6, 20, 0xA1, 1, 0);

    EXPECT_EQ(event.kind, 2u);
    EXPECT_EQ(event.x, 100u);
    EXPECT_EQ(event.y, 200u);
    EXPECT_EQ(event.pressure, 4096u);
    EXPECT_EQ(event.tiltX, 0xFFF6u);
    EXPECT_EQ(event.tiltY, 20u);
    EXPECT_EQ(event.status, 0xA1u);
    EXPECT_EQ(event.leave, 1u);
    EXPECT_EQ(event.eraser, 0u);
}

TEST(PointerEvent, SteadyMillisecondsAreTheSteadyClockInWholeMilliseconds)
{
    using namespace std::chrono;
    const auto before = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    const std::uint64_t reading = PointerEvent::steadyMilliseconds();
    const auto after = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();

    EXPECT_GE(reading, static_cast<std::uint64_t>(before));
    EXPECT_LE(reading, static_cast<std::uint64_t>(after));
}

TEST(PointerEvent, BothEventKindsAreStampedWhenMade)
{
    const std::uint64_t before = PointerEvent::steadyMilliseconds();
    const MousePointerEvent mouse(PointerEvent::AbsoluteMouse, 0, 0, MousePointerEvent::Left, 0);
    const DigitizerPointerEvent pen(0, 0, 0, 0, 0, 0xC0, 0, 0);
    const std::uint64_t after = PointerEvent::steadyMilliseconds();

    EXPECT_GE(mouse.timestamp, before);
    EXPECT_LE(mouse.timestamp, after);
    EXPECT_GE(pen.timestamp, before);
    EXPECT_LE(pen.timestamp, after);
    EXPECT_NE(mouse.timestamp, 0u);
}

TEST(PointerEvent, TimestampsNeverDecreaseOverManyEvents)
{
    std::vector<std::unique_ptr<PointerEvent>> events;
    for (int i = 0; i < 20000; ++i) {
        if (i % 2)
            events.push_back(std::make_unique<DigitizerPointerEvent>(i, i, 0, 0, 0, 0xA0, 0, 0));
        else
            events.push_back(std::make_unique<MousePointerEvent>(PointerEvent::AbsoluteMouse, i,
                                                                 i, MousePointerEvent::Left, 1));
    }
    for (std::size_t i = 1; i < events.size(); ++i)
        ASSERT_LE(events[i - 1]->timestamp, events[i]->timestamp) << "event " << i;
}

TEST(PointerEvent, TwoEventsMadeWithinOneMillisecondCarryTheSameTimestamp)
{
    // Retried until both events fall between two equal clock readings.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::uint64_t before = PointerEvent::steadyMilliseconds();
        const MousePointerEvent first(PointerEvent::AbsoluteMouse, 1, 1, MousePointerEvent::Left, 1);
        const DigitizerPointerEvent second(1, 1, 1, 0, 0, 0xA1, 0, 0);
        const std::uint64_t after = PointerEvent::steadyMilliseconds();
        if (before != after)
            continue;
        EXPECT_EQ(first.timestamp, before);
        EXPECT_EQ(second.timestamp, before);
        return;
    }
    FAIL() << "no two events fell within one millisecond";
}
