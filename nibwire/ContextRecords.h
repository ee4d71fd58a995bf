#pragma once
// Conversions between the context records of the two text widths. Names are converted by the
// caller (the system's code page is the Windows side's business); these functions place them and
// copy the fields that follow the name.
#include "nibwire/WintabTypes.h"

namespace ContextRecords {

using NarrowName = char[LCNAMELEN];
using WideName = char16_t[LCNAMELEN];

// `wide` with `name` in place of its name.
LOGCONTEXTA narrowed(const LOGCONTEXTW &wide, const NarrowName &name);
// A cleared record with `name` and the fields of `narrow`.
LOGCONTEXTW widened(const LOGCONTEXTA &narrow, const WideName &name);

} // namespace ContextRecords
