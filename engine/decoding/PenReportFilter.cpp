#include "engine/decoding/PenReportFilter.h"

bool PenReportFilter::shouldQueue(const DecodedPacket &packet)
{
    const TabletPenPacket *pen = packet.pen();
    if (pen == nullptr)
        return true;
    if (pen->status == TabletPenPacket::OutOfRange
        && m_lastQueued.status == TabletPenPacket::OutOfRange)
        return false;
    m_lastQueued = *pen;
    return true;
}
