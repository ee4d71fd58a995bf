#pragma once

#include "config/packets/TabletPacket.h"

#include <QMetaType>

#include <cstdint>

// A key, dial or touch packet carried to the settings window in a QVariant (meta-type name
// "TabletComponentPacketWrapper"). `kind` tells which member holds data; the other two stay
// empty packets.
class TabletComponentPacketWrapper
{
public:
    enum Kind : std::uint32_t {
        Key = TabletPacket::Key,
        Dial = TabletPacket::Dial,
        Touch = TabletPacket::Touch,
        None = TabletPacket::None,
    };

    TabletComponentPacketWrapper();
    explicit TabletComponentPacketWrapper(const TabletKeyPacket &key);
    explicit TabletComponentPacketWrapper(const TabletDialPacket &dial);
    explicit TabletComponentPacketWrapper(const TabletTouchPacket &touch);
    TabletComponentPacketWrapper(const TabletComponentPacketWrapper &) = default;
    TabletComponentPacketWrapper &operator=(const TabletComponentPacketWrapper &) = default;

    TabletKeyPacket key;
    TabletDialPacket dial;
    TabletTouchPacket touch;
    std::uint32_t kind = None;
};

Q_DECLARE_METATYPE(TabletComponentPacketWrapper)
