#include "engine/decoding/DecodedPacket.h"

#include <type_traits>

namespace {

template<typename Packet>
DecodedPacket copyAs(const TabletPacket &packet)
{
    const auto *typed = dynamic_cast<const Packet *>(&packet);
    return typed ? DecodedPacket(*typed) : DecodedPacket();
}

} // namespace

DecodedPacket DecodedPacket::copyOf(const TabletPacket &packet)
{
    switch (packet.type) {
    case TabletPacket::Pen:
        return copyAs<TabletPenPacket>(packet);
    case TabletPacket::Key:
        return copyAs<TabletKeyPacket>(packet);
    case TabletPacket::Dial:
        return copyAs<TabletDialPacket>(packet);
    case TabletPacket::Touch:
        return copyAs<TabletTouchPacket>(packet);
    default:
        return {};
    }
}

const TabletPacket *DecodedPacket::get() const
{
    return std::visit(
            [](const auto &held) -> const TabletPacket * {
                if constexpr (std::is_same_v<std::decay_t<decltype(held)>, std::monostate>)
                    return nullptr;
                else
                    return &held;
            },
            value);
}

TabletPacket *DecodedPacket::get()
{
    return const_cast<TabletPacket *>(static_cast<const DecodedPacket *>(this)->get());
}

std::shared_ptr<TabletPacket> DecodedPacket::toShared() const
{
    return std::visit(
            [](const auto &held) -> std::shared_ptr<TabletPacket> {
                using Held = std::decay_t<decltype(held)>;
                if constexpr (std::is_same_v<Held, std::monostate>)
                    return nullptr;
                else
                    return std::make_shared<Held>(held);
            },
            value);
}
