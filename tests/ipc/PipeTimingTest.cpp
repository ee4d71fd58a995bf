#include "ipc/PipeTiming.h"

#include <gmock/gmock.h>

namespace {

struct IntervalCase
{
    int requestedMs;
    long long usedMs;
};

class ReconnectInterval : public testing::TestWithParam<IntervalCase>
{};

TEST_P(ReconnectInterval, intervalsBelowHalfASecondBecomeTwoSeconds)
{
    EXPECT_EQ(PipeTiming::reconnectInterval(GetParam().requestedMs).count(), GetParam().usedMs);
}

INSTANTIATE_TEST_SUITE_P(PipeTiming, ReconnectInterval,
                         testing::Values(IntervalCase{100, 2000}, IntervalCase{0, 2000},
                                         IntervalCase{-5, 2000}, IntervalCase{499, 2000},
                                         IntervalCase{500, 500}, IntervalCase{2000, 2000},
                                         IntervalCase{5000, 5000}));

} // namespace
