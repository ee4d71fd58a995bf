#pragma once
// Context names and records between the narrow and wide forms, in a code page of single- and
// double-byte characters (the calling thread's ANSI code page for the exports). Every export that
// converts a name does it here, so WTInfoW, WTGetW, WTOpenW and WTSetW agree.
#include "nibwire/ContextRecords.h"

namespace AnsiText {

// The ANSI code page of the calling thread's locale.
unsigned threadCodePage();

// At most 39 bytes (narrow) or 39 characters (wide) and a terminator, cut at a character's end;
// the rest of the name is cleared.
void toNarrowName(const ContextRecords::WideName &wide, ContextRecords::NarrowName &narrow,
                  unsigned codePage);
void toWideName(const ContextRecords::NarrowName &narrow, ContextRecords::WideName &wide,
                unsigned codePage);

LOGCONTEXTA narrowed(const LOGCONTEXTW &wide, unsigned codePage);
LOGCONTEXTW widened(const LOGCONTEXTA &narrow, unsigned codePage);

} // namespace AnsiText
