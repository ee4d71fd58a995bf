#include "ipc/SessionNames.h"

namespace SessionNames {

std::string suffix(std::optional<std::uint32_t> sessionId)
{
    return sessionId ? "_" + std::to_string(*sessionId) : std::string("_");
}

std::string name(const std::string &prefix, std::optional<std::uint32_t> sessionId)
{
    return prefix + suffix(sessionId);
}

} // namespace SessionNames
