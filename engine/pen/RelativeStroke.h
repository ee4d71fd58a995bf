#pragma once

#include "config/packets/TabletPacket.h"

#include <cstdint>

// One stroke of the relative modes: it starts with the first packet after the pen was out of
// range and ends with the packet that reports it out of range again. Positions are raw tablet
// units, before rotation and mapping.
class RelativeStroke
{
public:
    enum class Step {
        // Out of range while no stroke runs: nothing to do.
        Idle,
        // The first packet of a stroke: it only records where the stroke starts.
        Started,
        // A packet within the stroke, with its motion since the start.
        Moved,
        // The out-of-range packet that ends the stroke, with its motion since the start; the
        // stroke is over afterwards.
        Ended,
    };

    // Tablet units per screen pixel for a speed step 1..9; any other step counts as 500 dpi.
    static double countsPerPixel(std::int32_t step);

    Step follow(const TabletPenPacket &packet);

    // Motion since the start of the stroke, of the last Moved or Ended packet.
    std::int64_t dx() const { return m_dx; }
    std::int64_t dy() const { return m_dy; }

private:
    bool m_active = false;
    std::int64_t m_startX = 0;
    std::int64_t m_startY = 0;
    std::int64_t m_dx = 0;
    std::int64_t m_dy = 0;
};
