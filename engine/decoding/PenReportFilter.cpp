#include "engine/decoding/PenReportFilter.h"

bool PenReportFilter::shouldQueue(const TabletPacket &packet)
{
    const auto *pen = dynamic_cast<const TabletPenPacket *>(&packet);
    if (packet.type != TabletPacket::Pen || pen == nullptr)
        return true;
    if (pen->status == TabletPenPacket::OutOfRange
        && m_lastQueued.status == TabletPenPacket::OutOfRange)
        return false;
    m_lastQueued = *pen;
    return true;
}
