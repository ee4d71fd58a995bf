#include "engine/pen/RecycledDigitizerEvents.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

DigitizerPointerEvent eventAt(std::uint32_t x)
{
    return DigitizerPointerEvent(x, 0, 100, 0, 0, 0xA1, 0, 0);
}

} // namespace

TEST(RecycledDigitizerEvents, ReusesAnEventOnlyOnceNoOneElseHoldsIt)
{
    RecycledDigitizerEvents events;
    std::shared_ptr<PointerEvent> first = events.next(eventAt(1));
    const PointerEvent *firstObject = first.get();
    first.reset();

    const std::shared_ptr<PointerEvent> second = events.next(eventAt(2));
    EXPECT_EQ(second.get(), firstObject) << "let go of, so reused";
    EXPECT_EQ(second->x, 2u);

    const std::shared_ptr<PointerEvent> third = events.next(eventAt(3));
    const std::shared_ptr<PointerEvent> fourth = events.next(eventAt(4));
    EXPECT_NE(third.get(), second.get());
    EXPECT_NE(fourth.get(), second.get());
    EXPECT_NE(fourth.get(), third.get());
    EXPECT_EQ(second->x, 2u) << "an event that is held keeps its values";
    EXPECT_EQ(third->x, 3u);
    EXPECT_EQ(fourth->x, 4u);
    EXPECT_EQ(fourth->kind, std::uint32_t(PointerEvent::Digitizer));
}
