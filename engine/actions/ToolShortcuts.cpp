#include "engine/actions/ToolShortcuts.h"

#include <algorithm>
#include <array>

bool ToolShortcuts::sendsNothingTo(ApplicationCode code, bool ink)
{
    static const std::array<ApplicationCode, 11> silent = {2, 3, 7, 42, 192, 193, 194, 258, 783, 1800, 1802};
    if (std::find(silent.begin(), silent.end(), code) != silent.end())
        return true;
    if (code >= 1536 && code <= 1791 && code != 1542)
        return true;
    return code == kUnrecognisedApplicationCode && ink;
}

ToolShortcuts ToolShortcuts::fromEntries(const ShortcutEntries &entries)
{
    ToolShortcuts shortcuts;
    if (entries.size() >= 2) {
        const std::size_t last = (entries.size() - 2) & ~std::size_t(1);
        shortcuts.pen = entries[last].second;
        shortcuts.eraser = entries[last + 1].second;
    }
    return shortcuts;
}
