#pragma once

#include "engine/output/SessionRule.h"

#include <cstdint>
#include <optional>
#include <vector>

// What the pointer driver asks the system before each report.
class IPointerSystemState
{
public:
    virtual ~IPointerSystemState() = default;

    virtual bool mouseButtonsSwapped() const = 0;

    // The sessions of the local server, or nothing when they cannot be listed.
    virtual std::optional<std::vector<SessionState>> sessions() const = 0;

    // The session this process runs in, or nothing when it cannot be told.
    virtual std::optional<std::uint32_t> ownSessionId() const = 0;
};
