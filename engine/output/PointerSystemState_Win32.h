#pragma once

#include "engine/output/IPointerSystemState.h"

#include <cstdint>
#include <optional>
#include <vector>

// What Windows says about the mouse buttons and the sessions of this machine. Any of it may be
// asked from the worker thread before each pointer report.
class PointerSystemState_Win32 : public IPointerSystemState
{
public:
    bool mouseButtonsSwapped() const override;

    // Nothing when the session list cannot be read (the terminal-services library or its
    // functions are missing, or the enumeration fails).
    std::optional<std::vector<SessionState>> sessions() const override;

    // Nothing when the system cannot tell this process's session.
    std::optional<std::uint32_t> ownSessionId() const override;
};
