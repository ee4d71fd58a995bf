#include "nibwire/HostIdentification.h"

#include <cstddef>

namespace HostIdentification {

namespace {

struct NameKey {
    const char *key;
    std::uint32_t code;
};

// In ascending byte order of the keys, the order in which they are tried.
constexpr NameKey kNameKeys[] = {
    {"AzPainter", 18},  {"BlackInk", 19},      {"CLIPStudioPaint", 11}, {"HarmonyPremium", 23},
    {"IEXPLORE", 209},  {"Krita", 2},          {"Paintstorm", 13},      {"Photoshop", 6},
    {"SpeedyPainter", 21}, {"iStylePDF", 208}, {"sai.exe", 1},          {"sai2.exe", 258},
};

constexpr const char *kVersionedKey = "CLIPStudioPaint";
constexpr int kFirstMatchingVersion = 267; // 1.11: earlier versions are not treated as known

struct PathNeedle {
    const char *needle;
    std::uint32_t code;
};

constexpr PathNeedle kPathNeedles[] = {
    {"SAI.EXE", 1},          {"SAI2.EXE", 258},        {"AZPAINTER2.EXE", 4610},
    {"AZPAINTER3.EXE", 4611}, {"BLACKINK.EXE", 19},    {"SPEEDYPAINTER.EXE", 21},
    {"HarmonyPremium.exe", 23}, {"iStylePDF.exe", 208}, {"IEXPLORE.exe", 209},
    {"PHOTOSHOP CS6", 1542},
};

bool contains(const std::string &haystack, const std::string &needle)
{
    return haystack.find(needle) != std::string::npos;
}

// A non-empty run of decimal digits that fits an int; -1 otherwise.
int decimalValue(const std::string &text)
{
    if (text.empty() || text.size() > 6)
        return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::string upperCase(const std::string &text)
{
    std::string result = text;
    for (char &c : result) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return result;
}

std::string fileNameOf(const std::string &fullPath)
{
    const std::size_t slash = fullPath.rfind('\\');
    if (slash == std::string::npos)
        return {};
    return upperCase(fullPath.substr(slash + 1));
}

int productVersionValue(const std::string &productVersion)
{
    const std::size_t firstDot = productVersion.find('.');
    if (firstDot == std::string::npos)
        return 0;
    const int major = decimalValue(productVersion.substr(0, firstDot));
    if (major < 0)
        return 0;
    const std::size_t secondDot = productVersion.find('.', firstDot + 1);
    int minor = 0;
    if (secondDot != std::string::npos) {
        minor = decimalValue(productVersion.substr(firstDot + 1, secondDot - firstDot - 1));
        if (minor < 0)
            return 0;
    }
    return major * 256 + minor;
}

std::uint32_t applicationCodeFromPath(const std::string &fullPath)
{
    const std::string path = upperCase(fullPath);
    std::uint32_t code = kUnknownHostCode;
    for (int year = 2018; year <= 2029; ++year) {
        if (contains(path, "PHOTOSHOP " + std::to_string(year)))
            code = std::uint32_t(year - 464);
    }
    for (const PathNeedle &entry : kPathNeedles) {
        if (contains(path, upperCase(entry.needle)))
            return entry.code;
    }
    return code;
}

NameMatch matchFileName(const std::string &fileName, const std::function<int()> &productVersion)
{
    const std::string name = upperCase(fileName);
    for (const NameKey &entry : kNameKeys) {
        if (!contains(name, upperCase(entry.key)))
            continue;
        NameMatch match;
        match.code = entry.code;
        match.matched = std::string(entry.key) != kVersionedKey
                        || (productVersion && productVersion() >= kFirstMatchingVersion);
        return match;
    }
    return {};
}

HostIdentity identify(const std::string &fullPath, const std::function<int()> &productVersion)
{
    HostIdentity identity;
    const NameMatch match = matchFileName(fileNameOf(fullPath), productVersion);
    identity.matched = match.matched;
    identity.code = match.code;
    identity.hostCode = applicationCodeFromPath(fullPath);
    return identity;
}

} // namespace HostIdentification
