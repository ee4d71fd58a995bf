#include "ipc/Deadline.h"

#include <gmock/gmock.h>

using namespace std::chrono_literals;

namespace {

struct LeftCase
{
    std::chrono::milliseconds bound;
    std::chrono::microseconds elapsed;
    long long leftMs;
};

class DeadlineLeft : public testing::TestWithParam<LeftCase>
{};

TEST_P(DeadlineLeft, leavesTheRestOfTheBoundRoundedUpAndNoneOnceItHasPassed)
{
    const Deadline::Clock::time_point start{};
    const Deadline deadline = Deadline::after(GetParam().bound, start);
    EXPECT_EQ(deadline.left(start + GetParam().elapsed).count(), GetParam().leftMs);
}

INSTANTIATE_TEST_SUITE_P(Deadline, DeadlineLeft,
                         testing::Values(LeftCase{500ms, 0us, 500}, LeftCase{500ms, 250000us, 250},
                                         // A wait that ended early would come back too soon.
                                         LeftCase{500ms, 499001us, 1},
                                         LeftCase{500ms, 250400us, 250},
                                         LeftCase{500ms, 500000us, 0},
                                         LeftCase{500ms, 900000us, 0},
                                         LeftCase{0ms, 0us, 0}, LeftCase{-20ms, 0us, 0}));

} // namespace
