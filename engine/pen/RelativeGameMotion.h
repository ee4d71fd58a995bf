#pragma once

#include "config/packets/PointerEvent.h"
#include "config/packets/TabletPacket.h"
#include "engine/core/RecycledEvents.h"
#include "engine/pen/RelativeStroke.h"

#include <cstdint>
#include <memory>

// Game mode of the relative pen: the pen moves the mouse by relative reports, in whole pixels
// of the distance drawn since the stroke started.
class RelativeGameMotion
{
public:
    // A relative mouse report moves at most this far on each axis.
    static constexpr std::int32_t kMaximumMotion = 127;

    // The relative mouse event of one packet, or none for the packet that starts a stroke and
    // for an out-of-range packet outside a stroke. step is the configured speed step.
    std::shared_ptr<PointerEvent> motion(const TabletPenPacket &packet, std::int32_t step);

private:
    RelativeStroke m_stroke;
    // Pixels already sent in this stroke.
    std::int64_t m_sentX = 0;
    std::int64_t m_sentY = 0;
    bool m_measuredBefore = false;
    RecycledEvents<MousePointerEvent> m_events;
};
