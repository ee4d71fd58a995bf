#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// One session of the local server as the session list reports it.
struct SessionState
{
    std::uint32_t id = 0;
    bool active = false;
};

// Pointer output belongs to the session the user works in: while another session of this
// machine is the active one, reports of this session are held back.
class SessionRule
{
public:
    // `sessions` is empty when the list could not be read, `ownSessionId` when the own session
    // could not be told; either lets output go ahead, as does a list of fewer than two sessions.
    static bool holdsOutputBack(const std::optional<std::vector<SessionState>> &sessions,
                                std::optional<std::uint32_t> ownSessionId);
};
