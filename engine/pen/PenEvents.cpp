#include "engine/pen/PenEvents.h"

namespace {

// The event carries tilt as a 16-bit two's-complement value.
std::uint16_t tiltBits(std::int64_t tilt)
{
    return static_cast<std::uint16_t>(tilt);
}

std::uint8_t pressedFlag(std::uint16_t pressure)
{
    return pressure != 0 ? 1 : 0;
}

} // namespace

DigitizerPointerEvent PenEvents::digitizerEvent(const QPoint &position,
                                                const TabletPenPacket &packet, std::int64_t tiltX,
                                                std::int64_t tiltY, bool toolChange, bool eraser)
{
    return DigitizerPointerEvent(
            static_cast<std::uint32_t>(position.x()), static_cast<std::uint32_t>(position.y()),
            packet.pressure, tiltBits(tiltX), tiltBits(tiltY),
            static_cast<std::uint8_t>(packet.status), toolChange ? 1 : 0, eraser ? 1 : 0);
}

MousePointerEvent PenEvents::absoluteMouse(const QPoint &position, std::uint16_t pressure)
{
    return MousePointerEvent(
            PointerEvent::AbsoluteMouse, static_cast<std::uint32_t>(position.x()),
            static_cast<std::uint32_t>(position.y()), MousePointerEvent::Left,
            pressedFlag(pressure));
}

MousePointerEvent PenEvents::relativeMouse(std::int32_t dx, std::int32_t dy,
                                           std::uint16_t pressure)
{
    // A movement to the left or up travels as the two's complement of its size.
    return MousePointerEvent(
            PointerEvent::RelativeMouse, static_cast<std::uint32_t>(dx),
            static_cast<std::uint32_t>(dy), MousePointerEvent::Left, pressedFlag(pressure));
}
