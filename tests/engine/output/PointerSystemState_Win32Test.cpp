#include "engine/output/PointerSystemState_Win32.h"

#include "engine/output/SessionRule.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

// These run on a desktop with the one session the test runs in: whatever the system can tell,
// the answers must let output go ahead.

TEST(PointerSystemState_Win32, TheOwnSessionIsTheOneTheSystemNamesForThisProcess)
{
    PointerSystemState_Win32 state;
    DWORD expected = 0;
    const bool known = ProcessIdToSessionId(GetCurrentProcessId(), &expected) != FALSE;

    const std::optional<std::uint32_t> own = state.ownSessionId();

    ASSERT_EQ(own.has_value(), known);
    if (own) {
        EXPECT_EQ(*own, expected);
    }
}

TEST(PointerSystemState_Win32, TheSessionListIsEitherUnknownOrHoldsNoOtherActiveSession)
{
    PointerSystemState_Win32 state;
    const std::optional<std::uint32_t> own = state.ownSessionId();

    const std::optional<std::vector<SessionState>> sessions = state.sessions();

    if (sessions && own) {
        EXPECT_TRUE(std::none_of(sessions->begin(), sessions->end(), [&](const SessionState &s) {
            return s.active && s.id != *own;
        }));
    }
}

TEST(PointerSystemState_Win32, TheSessionRuleLetsOutputGoAheadOnThisDesktop)
{
    PointerSystemState_Win32 state;

    EXPECT_FALSE(SessionRule::holdsOutputBack(state.sessions(), state.ownSessionId()));
}

TEST(PointerSystemState_Win32, AskingRepeatedlyGivesTheSameAnswers)
{
    PointerSystemState_Win32 state;
    const std::optional<std::vector<SessionState>> first = state.sessions();

    for (int round = 0; round < 3; ++round) {
        const std::optional<std::vector<SessionState>> again = state.sessions();
        ASSERT_EQ(again.has_value(), first.has_value());
        if (again) {
            EXPECT_EQ(again->size(), first->size());
        }
    }
}

TEST(PointerSystemState_Win32, SwappedButtonsAreWhatTheSystemMetricsSay)
{
    PointerSystemState_Win32 state;

    EXPECT_EQ(state.mouseButtonsSwapped(), GetSystemMetrics(SM_SWAPBUTTON) != 0);
}
