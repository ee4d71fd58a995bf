#pragma once
// The answers of WTInfoA and WTInfoW.
#include "nibwire/WintabTypes.h"

#include <cstdint>

namespace WintabInfo {

enum class Text { Narrow, Wide };

struct Sources {
    // WTI_DEFCONTEXT, WTI_DEFSYSCTX, WTI_DDCTXS, WTI_DSCTXS and device values
    const LOGCONTEXTA *defaultContext = nullptr;
    // The same record for WTInfoW, its name converted as every wide record's is.
    const LOGCONTEXTW *wideDefaultContext = nullptr;
    std::uint32_t openContexts = 0;              // STA_CONTEXTS
};

// Writes the item into output (nothing when output is null) and returns the number of bytes
// written, or needed when output is null; 0 when the item does not exist. The wide texts of the
// library's own items are their ASCII texts widened byte by byte.
std::uint32_t answer(std::uint32_t category, std::uint32_t index, void *output, Text text,
                     const Sources &sources);

} // namespace WintabInfo
