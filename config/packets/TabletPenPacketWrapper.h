#pragma once

#include "config/packets/TabletPacket.h"

#include <QMetaType>

#include <array>
#include <cstdint>

// A pen packet before and after the engine's pen step, carried to the settings window in a
// QVariant (meta-type name "TabletPenPacketWrapper").
class TabletPenPacketWrapper
{
public:
    static constexpr std::uint16_t kDefaultPressureMax = 8191;

    TabletPenPacketWrapper();
    TabletPenPacketWrapper(const TabletPenPacket &received, const TabletPenPacket &processed);
    TabletPenPacketWrapper(const TabletPenPacketWrapper &) = default;
    TabletPenPacketWrapper &operator=(const TabletPenPacketWrapper &) = default;

    TabletPenPacket received;
    TabletPenPacket processed;
    // Three (x, y) pairs: the normalised start position of the pen step, the pointer-event
    // coordinates and the Wintab coordinates; a pair stays 0 when its step did not run.
    std::array<std::int32_t, 6> trace{};
    std::uint8_t valid = 0;
    std::uint16_t pressureMin = 0;
    std::uint16_t pressureMax = kDefaultPressureMax;
};

Q_DECLARE_METATYPE(TabletPenPacketWrapper)
