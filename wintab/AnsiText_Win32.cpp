#include "wintab/AnsiText_Win32.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace AnsiText {

namespace {

int lengthWithin(const char16_t *text, int limit)
{
    int length = 0;
    while (length < limit && text[length] != u'\0')
        ++length;
    return length;
}

int lengthWithin(const char *text, int limit)
{
    int length = 0;
    while (length < limit && text[length] != '\0')
        ++length;
    return length;
}

} // namespace

void toNarrowName(const ContextRecords::WideName &wide, ContextRecords::NarrowName &narrow)
{
    std::memset(narrow, 0, sizeof narrow);
    const int length = lengthWithin(wide, int(LCNAMELEN));
    if (length == 0)
        return;
    // Room for double-byte characters; the name is cut to fit afterwards.
    char converted[LCNAMELEN * 4] = {};
    const int written = WideCharToMultiByte(CP_THREAD_ACP, 0, reinterpret_cast<LPCWCH>(wide),
                                            length, converted, int(sizeof converted), nullptr,
                                            nullptr);
    if (written > 0)
        std::memcpy(narrow, converted, std::min<std::size_t>(std::size_t(written), LCNAMELEN - 1));
}

void toWideName(const ContextRecords::NarrowName &narrow, ContextRecords::WideName &wide)
{
    std::memset(wide, 0, sizeof wide);
    const int length = lengthWithin(narrow, int(LCNAMELEN));
    if (length == 0)
        return;
    auto *out = reinterpret_cast<LPWSTR>(wide);
    const int written = MultiByteToWideChar(CP_THREAD_ACP, 0, narrow, length, out, int(LCNAMELEN));
    const int end = written > 0 ? written : 0;
    wide[end < int(LCNAMELEN) ? end : int(LCNAMELEN) - 1] = u'\0';
}

} // namespace AnsiText
