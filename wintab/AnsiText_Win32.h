#pragma once
// Context names between the narrow and wide records, in the calling thread's ANSI code page.
#include "wintab/ContextRecords.h"

namespace AnsiText {

// At most 39 characters and a terminator; the rest of the name is cleared.
void toNarrowName(const ContextRecords::WideName &wide, ContextRecords::NarrowName &narrow);
void toWideName(const ContextRecords::NarrowName &narrow, ContextRecords::WideName &wide);

} // namespace AnsiText
