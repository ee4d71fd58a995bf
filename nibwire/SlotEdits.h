#pragma once
// What the context calls change in a context slot and its packet queue, once the caller holds the
// section's lock and knows the slot is its own.
#include "ipc/WintabBridgeRecords.h"
#include "nibwire/HostIdentification.h"
#include "nibwire/WintabTypes.h"

#include <cstdint>

namespace SlotEdits {

struct Opening {
    std::uint32_t handle = 0;
    std::uint32_t processId = 0;
    std::uint64_t window = 0;
    std::int32_t enabled = 0;
    HostIdentification::HostIdentity host;
    LOGCONTEXTA context{};
};

// The caller's record as a context starts: on top.
LOGCONTEXTA openingRecord(const LOGCONTEXTA &requested);

// Fills a free slot; its queue (when there is one) starts empty.
void open(ContextSlot &slot, PacketQueue *queue, const Opening &opening);
void clear(ContextSlot &slot);

// Enabling drops the packets that wait.
void enable(ContextSlot &slot, PacketQueue *queue, std::int32_t enabled);
// Returns the new status: on top, or obscured.
std::uint32_t overlap(ContextSlot &slot, bool toTop);

// The slot's record as the caller sees it: its lcOutExtZ holds the host code.
LOGCONTEXTA context(const ContextSlot &slot);
// Takes the caller's record and keeps the host code.
void setContext(ContextSlot &slot, const LOGCONTEXTA &context);

} // namespace SlotEdits
