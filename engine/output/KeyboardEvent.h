#pragma once

#include <cstdint>

// A request to the keyboard driver: up to two keys of the keyboard usage table with modifiers,
// pressed or released.
class KeyboardEvent
{
public:
    enum Modifier : std::uint32_t {
        Shift = 1,
        Ctrl = 2,
        Win = 4,
        Alt = 8,
    };

    static constexpr std::int32_t NoKey = -1;

    KeyboardEvent(std::uint32_t modifiers, std::int32_t key1, std::int32_t key2, bool pressed,
                  bool useDevice = true)
        : modifiers(modifiers), key1(key1), key2(key2), pressed(pressed), useDevice(useDevice)
    {
    }

    bool isModifierOnly() const { return key1 == NoKey && key2 == NoKey; }

    KeyboardEvent released() const
    {
        KeyboardEvent release = *this;
        release.pressed = false;
        return release;
    }

    std::uint32_t modifiers;
    std::int32_t key1;
    std::int32_t key2;
    bool pressed;
    bool useDevice;
};

inline bool operator==(const KeyboardEvent &a, const KeyboardEvent &b)
{
    return a.modifiers == b.modifiers && a.key1 == b.key1 && a.key2 == b.key2
        && a.pressed == b.pressed && a.useDevice == b.useDevice;
}

inline bool operator!=(const KeyboardEvent &a, const KeyboardEvent &b)
{
    return !(a == b);
}
