#pragma once

#include "config/configure/TabletConfigure.h"
#include "config/profiles/AppProfile.h"
#include "engine/apps/ProcessEntry.h"

#include <cstdint>
#include <optional>

// The tablet's request to move a dial on to its next action pair, made in the bindings that the
// engine runs: those of the foreground program's profile when the configuration binds keys, dials
// and touch per application and a profile matches, else the configuration's.
class DialActionSwitch
{
public:
    struct Outcome
    {
        // The dial is bound in those bindings.
        bool found = false;
        // Those bindings are an application profile's, so the profile list changed.
        bool inProfile = false;
        // The pair the dial runs now; none when the dial has no pairs.
        std::optional<ActionPair> pair;
    };

    // `foreground` is the program in the foreground, or null when it cannot be told. The dial's
    // index becomes (index + 1) modulo its pairs, or 0 when it has none.
    static Outcome advance(TabletConfigure &configure, AppProfileList &profiles,
                           const ProcessEntry *foreground, std::uint16_t dial);
};
