#pragma once

#include "config/packets/PointerEvent.h"
#include "config/packets/TabletPacket.h"

#include <QPoint>

#include <cstdint>

// The pointer events that the pen step builds. They are built by value: the steps that send them
// hand them out through their own recycled events.
namespace PenEvents {

// A pen report at a normalised position; tilt as the mapping turned it.
DigitizerPointerEvent digitizerEvent(const QPoint &position, const TabletPenPacket &packet,
                                     std::int64_t tiltX, std::int64_t tiltY, bool toolChange,
                                     bool eraser);

// The left button at a normalised position, held while the pen presses.
MousePointerEvent absoluteMouse(const QPoint &position, std::uint16_t pressure);

// A mouse movement with the left button held while the pen presses.
MousePointerEvent relativeMouse(std::int32_t dx, std::int32_t dy, std::uint16_t pressure);

} // namespace PenEvents
