#include "engine/output/SessionRule.h"

#include <algorithm>

bool SessionRule::holdsOutputBack(const std::optional<std::vector<SessionState>> &sessions,
                                  std::optional<std::uint32_t> ownSessionId)
{
    if (!sessions || sessions->size() < 2 || !ownSessionId)
        return false;
    return std::any_of(sessions->begin(), sessions->end(), [&](const SessionState &session) {
        return session.active && session.id != *ownSessionId;
    });
}
