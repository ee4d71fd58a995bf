#pragma once

#include <cstddef>
#include <cstdint>

// Unsigned little-endian value of `width` bytes (at most 4) starting at `bytes`.
inline std::uint32_t readLittleEndian(const std::uint8_t *bytes, std::size_t width)
{
    std::uint32_t value = 0;
    for (std::size_t i = width; i > 0; --i)
        value = (value << 8) | bytes[i - 1];
    return value;
}
