#pragma once

#include "config/packets/TabletPacket.h"
#include "engine/decoding/DecodedPacket.h"

// Keeps a pen that stays out of range from flooding the packet queue: of a run of out-of-range
// pen packets only the first is queued. Remembers the last pen packet it let through, which
// starts out of range, so out-of-range reports right after start-up are not queued either.
// Not synchronised: the engine asks it under its queue's lock.
class PenReportFilter
{
public:
    // True when `packet` is to be queued. Every packet that is not a pen packet passes.
    bool shouldQueue(const DecodedPacket &packet);

    const TabletPenPacket &lastQueuedPenPacket() const { return m_lastQueued; }

private:
    TabletPenPacket m_lastQueued;
};
