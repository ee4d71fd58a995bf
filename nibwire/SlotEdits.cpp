#include "nibwire/SlotEdits.h"

#include <cstring>

namespace SlotEdits {

LOGCONTEXTA openingRecord(const LOGCONTEXTA &requested)
{
    LOGCONTEXTA record = requested;
    record.lcStatus = CXS_ONTOP;
    return record;
}

void open(ContextSlot &slot, PacketQueue *queue, const Opening &opening)
{
    clear(slot);
    slot.ownerProcessId = opening.processId;
    slot.handle = opening.handle;
    slot.enabled = opening.enabled;
    slot.window = opening.window;
    slot.hostMatch = opening.host.matched ? 1 : 0;
    slot.matchedCode = opening.host.code;
    slot.context = opening.context;
    slot.setHostCode(opening.host.hostCode);
    if (queue) {
        queue->readIndex = 0;
        queue->writeCounter = 0;
    }
}

void clear(ContextSlot &slot)
{
    std::memset(&slot, 0, sizeof slot);
}

void enable(ContextSlot &slot, PacketQueue *queue, std::int32_t enabled)
{
    slot.enabled = enabled;
    if (enabled != 0 && queue)
        queue->readIndex = queue->writeCounter;
}

std::uint32_t overlap(ContextSlot &slot, bool toTop)
{
    slot.context.lcStatus = toTop ? CXS_ONTOP : CXS_OBSCURED;
    return slot.context.lcStatus;
}

LOGCONTEXTA context(const ContextSlot &slot)
{
    return slot.context;
}

void setContext(ContextSlot &slot, const LOGCONTEXTA &context)
{
    const ApplicationCode hostCode = slot.hostCode();
    slot.context = context;
    slot.setHostCode(hostCode);
}

} // namespace SlotEdits
