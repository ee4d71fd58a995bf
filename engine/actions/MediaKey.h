#pragma once

#include "engine/output/KeyNames.h"

#include <cstdint>

// The key that a media action sends: browser keys as shortcuts of the usage table, the player
// and volume keys by their codes of the system table.
struct MediaKey
{
    const char *name = nullptr;
    KeyTable table = KeyTable::Usage;
    // KeyboardEvent modifier bits.
    std::uint32_t modifiers = 0;

    // The key of media event `code` (1..10); false for any other code.
    static bool ofEvent(std::uint32_t code, MediaKey &key);
};
