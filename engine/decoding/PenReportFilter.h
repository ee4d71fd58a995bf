#pragma once

#include "config/TabletPacket.h"

// Keeps a pen that stays out of range from flooding the packet queue: of a run of out-of-range
// pen packets only the first is queued. Remembers the last pen packet it let through, which
// starts out of range, so out-of-range reports right after start-up are not queued either.
// Not synchronised: it is used by the one report thread of the current device.
class PenReportFilter
{
public:
    // True when `packet` is to be queued. Every packet that is not a pen packet passes.
    bool shouldQueue(const TabletPacket &packet);

    const TabletPenPacket &lastQueuedPenPacket() const { return m_lastQueued; }

private:
    TabletPenPacket m_lastQueued;
};
