#include "engine/pen/RelativeGameMotion.h"

#include "engine/pen/PenEvents.h"

#include <algorithm>
#include <cmath>

namespace {

std::int64_t wholePixels(std::int64_t counts, double countsPerPixel)
{
    return static_cast<std::int64_t>(std::trunc(counts / countsPerPixel));
}

// The part of the way still to go that one report can carry.
std::int32_t reportableMotion(std::int64_t target, std::int64_t sent)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
            target - sent, -RelativeGameMotion::kMaximumMotion,
            RelativeGameMotion::kMaximumMotion));
}

} // namespace

std::shared_ptr<PointerEvent> RelativeGameMotion::motion(const TabletPenPacket &packet,
                                                         std::int32_t step)
{
    const RelativeStroke::Step strokeStep = m_stroke.follow(packet);
    if (strokeStep == RelativeStroke::Step::Idle || strokeStep == RelativeStroke::Step::Started)
        return {};

    const double countsPerPixel = RelativeStroke::countsPerPixel(step);
    const std::int64_t targetX = wholePixels(m_stroke.dx(), countsPerPixel);
    const std::int64_t targetY = wholePixels(m_stroke.dy(), countsPerPixel);
    // The first measurement of the process only sets where the pen is.
    if (!m_measuredBefore) {
        m_measuredBefore = true;
        m_sentX = targetX;
        m_sentY = targetY;
    }

    // What a report cannot carry stays for the next one.
    const std::int32_t dx = reportableMotion(targetX, m_sentX);
    const std::int32_t dy = reportableMotion(targetY, m_sentY);
    m_sentX += dx;
    m_sentY += dy;

    if (strokeStep == RelativeStroke::Step::Ended) {
        m_sentX = 0;
        m_sentY = 0;
    }
    return m_events.next(PenEvents::relativeMouse(dx, dy, packet.pressure));
}
