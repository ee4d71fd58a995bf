#include "nibwire/AnsiText_Win32.h"

#include "nibwire/NameCut.h"

#include <windows.h>

#include <array>
#include <cstring>

namespace AnsiText {

namespace {

constexpr std::size_t kNameLimit = LCNAMELEN - 1;

template <typename Char>
std::size_t lengthWithin(const Char *text, std::size_t limit)
{
    std::size_t length = 0;
    while (length < limit && text[length] != Char(0))
        ++length;
    return length;
}

NameCut::LeadBytePredicate leadBytesOf(unsigned codePage)
{
    std::array<bool, 256> lead{};
    CPINFO info{};
    if (GetCPInfo(codePage, &info)) {
        for (std::size_t range = 0; range + 1 < MAX_LEADBYTES && info.LeadByte[range]; range += 2) {
            for (unsigned byte = info.LeadByte[range]; byte <= info.LeadByte[range + 1]; ++byte)
                lead[byte] = true;
        }
    }
    return [lead](unsigned char byte) { return lead[byte]; };
}

} // namespace

unsigned threadCodePage()
{
    DWORD codePage = 0;
    const int got = GetLocaleInfoW(GetThreadLocale(),
                                   LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                                   reinterpret_cast<LPWSTR>(&codePage),
                                   sizeof codePage / sizeof(WCHAR));
    // A locale without an ANSI code page of its own uses the system's.
    return got && codePage != CP_ACP ? unsigned(codePage) : GetACP();
}

void toNarrowName(const ContextRecords::WideName &wide, ContextRecords::NarrowName &narrow,
                  unsigned codePage)
{
    std::memset(narrow, 0, sizeof narrow);
    const std::size_t length = lengthWithin(wide, LCNAMELEN);
    if (length == 0)
        return;
    // Room for the whole name; it is cut to fit afterwards.
    char converted[LCNAMELEN * 4] = {};
    const int written = WideCharToMultiByte(codePage, 0, reinterpret_cast<LPCWCH>(wide),
                                            int(length), converted, int(sizeof converted),
                                            nullptr, nullptr);
    if (written <= 0)
        return;
    const std::size_t kept = NameCut::fittingLength(converted, std::size_t(written), kNameLimit,
                                                    kNameLimit, leadBytesOf(codePage));
    std::memcpy(narrow, converted, kept);
}

void toWideName(const ContextRecords::NarrowName &narrow, ContextRecords::WideName &wide,
                unsigned codePage)
{
    std::memset(wide, 0, sizeof wide);
    const std::size_t length = lengthWithin(narrow, LCNAMELEN);
    // Each character of a double-byte code page is one UTF-16 unit.
    const std::size_t kept = NameCut::fittingLength(narrow, length, LCNAMELEN, kNameLimit,
                                                    leadBytesOf(codePage));
    if (kept == 0)
        return;
    const int written = MultiByteToWideChar(codePage, 0, narrow, int(kept),
                                            reinterpret_cast<LPWSTR>(wide), int(kNameLimit));
    if (written <= 0)
        std::memset(wide, 0, sizeof wide);
}

LOGCONTEXTA narrowed(const LOGCONTEXTW &wide, unsigned codePage)
{
    ContextRecords::NarrowName name;
    toNarrowName(wide.lcName, name, codePage);
    return ContextRecords::narrowed(wide, name);
}

LOGCONTEXTW widened(const LOGCONTEXTA &narrow, unsigned codePage)
{
    ContextRecords::WideName name;
    toWideName(narrow.lcName, name, codePage);
    return ContextRecords::widened(narrow, name);
}

} // namespace AnsiText
