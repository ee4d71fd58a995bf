#include "engine/pen/RelativeStroke.h"

namespace {

constexpr double kTabletCountsPerInch = 5080.0;
constexpr double kScreenDotsPerStep = 96.0;
constexpr double kFallbackDotsPerInch = 500.0;

} // namespace

double RelativeStroke::countsPerPixel(std::int32_t step)
{
    if (step < 1 || step > 9)
        return kTabletCountsPerInch / kFallbackDotsPerInch;
    return kTabletCountsPerInch / (step * kScreenDotsPerStep);
}

RelativeStroke::Step RelativeStroke::follow(const TabletPenPacket &packet)
{
    const bool leaving = packet.status == TabletPenPacket::OutOfRange;
    if (!m_active) {
        if (leaving)
            return Step::Idle;
        m_active = true;
        m_startX = packet.x;
        m_startY = packet.y;
        return Step::Started;
    }
    m_dx = static_cast<std::int64_t>(packet.x) - m_startX;
    m_dy = static_cast<std::int64_t>(packet.y) - m_startY;
    if (!leaving)
        return Step::Moved;
    m_active = false;
    m_startX = 0;
    m_startY = 0;
    return Step::Ended;
}
