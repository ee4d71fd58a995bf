#pragma once

// Short names for the keyboard events that the keyboard tests build.
#include "engine/output/KeyboardEvent.h"

#include <cstdint>

namespace KeyboardEventFactory {

constexpr std::uint32_t Shift = KeyboardEvent::Shift;
constexpr std::uint32_t Ctrl = KeyboardEvent::Ctrl;
constexpr std::uint32_t Win = KeyboardEvent::Win;
constexpr std::uint32_t Alt = KeyboardEvent::Alt;
constexpr std::int32_t NoKey = KeyboardEvent::NoKey;

inline KeyboardEvent press(std::uint32_t modifiers, std::int32_t key1 = NoKey, std::int32_t key2 = NoKey)
{
    return KeyboardEvent(modifiers, key1, key2, true);
}

inline KeyboardEvent release(std::uint32_t modifiers, std::int32_t key1 = NoKey, std::int32_t key2 = NoKey)
{
    return KeyboardEvent(modifiers, key1, key2, false);
}

} // namespace KeyboardEventFactory
