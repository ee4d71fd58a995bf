#pragma once

#include "config/configure/TabletConfigure.h"
#include "config/packets/TabletPacket.h"
#include "engine/pen/EdgeCorrection.h"
#include "engine/pen/PenDeviceLimits.h"

#include <cstdint>
#include <functional>

// One look-up in a pressure table (the engine guards its tables with a lock, so it hands the
// pressure step a function per table rather than the tables).
using PressureLookup = std::function<std::uint32_t(std::uint32_t pressure)>;

// The configured pressure behaviour, read from the configuration in use.
struct PenPressureSettings
{
    enum Capacity : std::uint32_t {
        Measured = 0,
        FullOnContact = 1,
        NoPressure = 2,
    };

    std::uint32_t capacity = Measured;
    // Off: the tilt is reported as 0.
    bool tilt = true;
    // Pressures below this fraction of full pressure count as no contact.
    double activationThreshold = 0.0;
    // Applied on pen displays only.
    EdgeFactors edgeFactors;

    static PenPressureSettings fromConfigure(const TabletConfigure &configure);
};

namespace PenPressure {

// The scale of the pressure after halving: a 16383-level pen is brought onto 0..8191 before
// the tables, so its activation threshold compares against 8191.
std::uint32_t pressureScale(std::uint32_t maximumPressure);

// Pressure, tilt and, on pen displays, position of one pen packet, changed in place: capacity
// modes, the base table, the configured table, the activation threshold, edge correction.
void processPenPressure(TabletPenPacket &packet, const PenPressureSettings &settings,
                        const PenDeviceLimits &device, const PressureLookup &baseTable,
                        const PressureLookup &configuredTable);

} // namespace PenPressure
