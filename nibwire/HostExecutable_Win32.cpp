#include "nibwire/HostExecutable_Win32.h"

#include <windows.h>

#include <cwchar>
#include <vector>

namespace HostExecutable {

namespace {

constexpr DWORD kLongestPath = 32768;

std::wstring widePath()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), DWORD(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return std::wstring(buffer.data(), length);
        if (buffer.size() >= kLongestPath)
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

std::string utf8(const std::wstring &text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    if (size <= 0)
        return {};
    std::string result(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), &result[0], size, nullptr,
                        nullptr);
    return result;
}

std::wstring wide(const std::string &text)
{
    if (text.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    if (size <= 0)
        return {};
    std::wstring result(std::size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), &result[0], size);
    return result;
}

// The ProductVersion string of the first translation of a version resource.
std::wstring productVersionText(const std::vector<unsigned char> &resource)
{
    struct Translation {
        WORD language;
        WORD codePage;
    };
    void *found = nullptr;
    UINT size = 0;
    if (!VerQueryValueW(resource.data(), L"\\VarFileInfo\\Translation", &found, &size) || !found
        || size < sizeof(Translation))
        return {};
    const auto *translation = static_cast<const Translation *>(found);
    wchar_t key[64];
    std::swprintf(key, 64, L"\\StringFileInfo\\%04x%04x\\ProductVersion", translation->language,
                  translation->codePage);
    if (!VerQueryValueW(resource.data(), key, &found, &size) || !found || size == 0)
        return {};
    const auto *text = static_cast<const wchar_t *>(found);
    std::wstring value(text, size);
    value.resize(value.find(L'\0') == std::wstring::npos ? value.size() : value.find(L'\0'));
    return value;
}

} // namespace

std::string fullPath()
{
    return utf8(widePath());
}

int productVersion(const std::string &path)
{
    const std::wstring file = wide(path);
    if (file.empty())
        return 0;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0)
        return 0;
    std::vector<unsigned char> resource(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, resource.data()))
        return 0;
    return HostIdentification::productVersionValue(utf8(productVersionText(resource)));
}

HostIdentification::HostIdentity identify()
{
    const std::string path = fullPath();
    return HostIdentification::identify(path, [&path] { return productVersion(path); });
}

} // namespace HostExecutable
