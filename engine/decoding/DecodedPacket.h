#pragma once

#include "config/packets/TabletPacket.h"

#include <memory>
#include <variant>

// One decoded packet held by value: a pen, key, dial or touch packet, or none. Decoding and
// queueing hold packets this way so that a report costs no allocation on its way to the worker.
class DecodedPacket
{
public:
    DecodedPacket() = default;
    DecodedPacket(const TabletPenPacket &pen) : value(pen) {}
    DecodedPacket(const TabletKeyPacket &key) : value(key) {}
    DecodedPacket(const TabletDialPacket &dial) : value(dial) {}
    DecodedPacket(const TabletTouchPacket &touch) : value(touch) {}

    // A copy of a packet of one of the four kinds; anything else gives an empty packet.
    static DecodedPacket copyOf(const TabletPacket &packet);

    bool empty() const { return std::holds_alternative<std::monostate>(value); }
    explicit operator bool() const { return !empty(); }

    // The packet, or nullptr when empty.
    const TabletPacket *get() const;
    TabletPacket *get();
    // The pen packet, or nullptr when this holds another kind.
    const TabletPenPacket *pen() const { return std::get_if<TabletPenPacket>(&value); }
    TabletPenPacket *pen() { return std::get_if<TabletPenPacket>(&value); }

    // The packet as the engine's callers hold packets; empty for an empty packet.
    std::shared_ptr<TabletPacket> toShared() const;

private:
    std::variant<std::monostate, TabletPenPacket, TabletKeyPacket, TabletDialPacket,
                 TabletTouchPacket>
            value;
};
