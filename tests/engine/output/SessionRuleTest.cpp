#include "engine/output/SessionRule.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

using Sessions = std::vector<SessionState>;

SessionState active(std::uint32_t id)
{
    return {id, true};
}

SessionState inactive(std::uint32_t id)
{
    return {id, false};
}

} // namespace

TEST(SessionRule, OutputIsHeldBackOnlyWhileAnotherSessionIsActive)
{
    struct Row
    {
        const char *what;
        std::optional<Sessions> sessions;
        std::optional<std::uint32_t> own;
        bool heldBack;
    };
    const std::vector<Row> rows = {
        {"the list cannot be read", std::nullopt, 1u, false},
        {"an empty list", Sessions{}, 1u, false},
        {"a single session, even another active one", Sessions{active(2)}, 1u, false},
        {"two sessions, the own one active", Sessions{inactive(0), active(1)}, 1u, false},
        {"two sessions, the other one active", Sessions{inactive(1), active(2)}, 1u, true},
        {"two sessions, neither active", Sessions{inactive(1), inactive(2)}, 1u, false},
        {"two sessions, both active", Sessions{active(1), active(2)}, 1u, true},
        {"the other one active but the own session unknown", Sessions{inactive(1), active(2)},
         std::nullopt, false},
        {"three sessions, the service session inactive and the other active",
         Sessions{inactive(0), inactive(1), active(2)}, 1u, true},
        {"the own session is not listed and another is active", Sessions{inactive(3), active(2)},
         1u, true},
        {"session 0 active while the own session is 1", Sessions{active(0), inactive(1)}, 1u,
         true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(SessionRule::holdsOutputBack(row.sessions, row.own), row.heldBack);
    }
}
