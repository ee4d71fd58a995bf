#pragma once

#include "config/PointerEvent.h"
#include "config/TabletPacket.h"

#include <QPoint>

#include <cstdint>
#include <memory>

// The pointer events that the pen step builds.
namespace PenEvents {

// A pen report at a normalised position; tilt as the mapping turned it.
DigitizerPointerEvent digitizerEvent(const QPoint &position, const TabletPenPacket &packet,
                                     std::int64_t tiltX, std::int64_t tiltY, bool toolChange,
                                     bool eraser);
std::shared_ptr<PointerEvent> digitizer(const QPoint &position, const TabletPenPacket &packet,
                                        std::int64_t tiltX, std::int64_t tiltY,
                                        bool toolChange, bool eraser);

// The left button at a normalised position, held while the pen presses.
std::shared_ptr<PointerEvent> absoluteMouse(const QPoint &position, std::uint16_t pressure);

// A mouse movement with the left button held while the pen presses.
std::shared_ptr<PointerEvent> relativeMouse(std::int32_t dx, std::int32_t dy,
                                            std::uint16_t pressure);

} // namespace PenEvents
