#pragma once
// The answers of WTInfoA and WTInfoW.
#include "wintab/WintabTypes.h"

#include <cstdint>

namespace WintabInfo {

enum class Text { Narrow, Wide };

struct Sources {
    // WTI_DEFCONTEXT, WTI_DEFSYSCTX, WTI_DDCTXS, WTI_DSCTXS and device values
    const LOGCONTEXTA *defaultContext = nullptr;
    std::uint32_t openContexts = 0;              // STA_CONTEXTS
};

// Writes the item into output (nothing when output is null) and returns the number of bytes
// written, or needed when output is null; 0 when the item does not exist. Wide texts are the
// narrow texts widened byte by byte: every text answered here is ASCII.
std::uint32_t answer(std::uint32_t category, std::uint32_t index, void *output, Text text,
                     const Sources &sources);

// The wide form of a narrow context record: the name widened (at most 40 characters), then the
// fields after the name.
LOGCONTEXTW widen(const LOGCONTEXTA &context);

} // namespace WintabInfo
