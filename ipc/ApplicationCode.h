#pragma once

#include <cstdint>

// A drawing application family, or family * 256 + version for a particular version of it. Both
// deliverables use the numbers: Nibwire writes the host's codes into its context slots and
// QZTablet treats the applications they name apart.
using ApplicationCode = std::uint32_t;
constexpr ApplicationCode kUnrecognisedApplicationCode = 0xFFFF;
