#include "nibwire/ContextRecords.h"

#include <cstring>

namespace ContextRecords {

LOGCONTEXTA narrowed(const LOGCONTEXTW &wide, const NarrowName &name)
{
    LOGCONTEXTA narrow;
    std::memcpy(narrow.lcName, name, sizeof narrow.lcName);
    std::memcpy(&narrow.lcOptions, &wide.lcOptions, kLogContextFieldsSize);
    return narrow;
}

LOGCONTEXTW widened(const LOGCONTEXTA &narrow, const WideName &name)
{
    LOGCONTEXTW wide;
    std::memset(&wide, 0, sizeof wide);
    std::memcpy(wide.lcName, name, sizeof wide.lcName);
    std::memcpy(&wide.lcOptions, &narrow.lcOptions, kLogContextFieldsSize);
    return wide;
}

} // namespace ContextRecords
