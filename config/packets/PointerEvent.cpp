#include "config/packets/PointerEvent.h"

#include <chrono>

PointerEvent::PointerEvent(std::uint32_t kind, std::uint32_t x, std::uint32_t y)
    : x(x), y(y), kind(kind)
{
}

PointerEvent::~PointerEvent() = default;

std::uint64_t PointerEvent::steadyMilliseconds()
{
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch);
    return static_cast<std::uint64_t>(nanoseconds.count()) / 1000000u;
}

MousePointerEvent::MousePointerEvent(std::uint32_t kind, std::uint32_t x, std::uint32_t y,
                                     std::uint32_t button, std::uint8_t pressed)
    : PointerEvent(kind, x, y), button(button), pressed(pressed)
{
    timestamp = steadyMilliseconds();
}

DigitizerPointerEvent::DigitizerPointerEvent(std::uint32_t x, std::uint32_t y,
                                             std::uint16_t pressure, std::uint16_t tiltX,
                                             std::uint16_t tiltY, std::uint8_t status,
                                             std::uint8_t leave, std::uint8_t eraser)
    : PointerEvent(Digitizer, x, y), pressure(pressure), tiltX(tiltX), tiltY(tiltY),
      status(status), leave(leave), eraser(eraser)
{
    timestamp = steadyMilliseconds();
}
