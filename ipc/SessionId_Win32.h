#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The caller's Windows session id from the terminal services; none when the query fails.
std::optional<std::uint32_t> currentSessionId();

// `prefix` with the suffix of the caller's session.
std::string currentSessionName(const std::string &prefix);
