#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Names of the objects that QZTablet and Nibwire share within one Windows session.
namespace SessionNames {

inline constexpr const char *kSectionPrefix = "Local\\ZLWintabShareMemory";
inline constexpr const char *kMutexPrefix = "Local\\ZLWintabShareMutex";
inline constexpr const char *kPipePrefix = "\\\\.\\pipe\\zl_wintab_ipc";

// "_" and the decimal session id; just "_" when the id could not be read.
std::string suffix(std::optional<std::uint32_t> sessionId);
std::string name(const std::string &prefix, std::optional<std::uint32_t> sessionId);

} // namespace SessionNames
