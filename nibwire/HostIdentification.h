#pragma once
// Identifies the application that loaded Nibwire from its executable path and product version,
// so that QZTablet can treat known drawing applications apart.
#include <cstdint>
#include <functional>
#include <string>

namespace HostIdentification {

constexpr std::uint32_t kUnknownHostCode = 0xFFFF;

// ASCII upper case; other bytes unchanged.
std::string upperCase(const std::string &text);

// The text after the last backslash, upper-cased; empty when the path has no backslash.
std::string fileNameOf(const std::string &fullPath);

// "major.minor[.more]" -> major * 256 + minor; the minor counts as 0 when no second dot follows.
// Anything that is not such a text gives 0.
int productVersionValue(const std::string &productVersion);

// The host code from the full path: 0xFFFF, or a code of "PHOTOSHOP <year>" for 2018..2029
// (year - 464), replaced by the first needle of the path list that occurs.
std::uint32_t applicationCodeFromPath(const std::string &fullPath);

struct NameMatch {
    bool matched = false;
    std::uint32_t code = 0; // the code of the key found, 0 when none
};

// Searches the host-name table in the upper-cased file name. productVersion is asked only for
// the key whose match depends on the version.
NameMatch matchFileName(const std::string &fileName, const std::function<int()> &productVersion);

struct HostIdentity {
    bool matched = false;
    std::uint32_t code = 0;
    std::uint32_t hostCode = kUnknownHostCode;
};

HostIdentity identify(const std::string &fullPath, const std::function<int()> &productVersion);

} // namespace HostIdentification
