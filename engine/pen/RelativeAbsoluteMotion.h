#pragma once

#include "config/configure/TabletConfigure.h"
#include "config/packets/PointerEvent.h"
#include "config/packets/TabletPacket.h"
#include "engine/core/RecycledEvents.h"
#include "engine/pen/PenContext.h"
#include "engine/pen/RelativeStroke.h"

#include <QPoint>
#include <QSize>

#include <cstdint>
#include <memory>

// Mouse mode of the relative pen: each stroke moves an absolute pointer from where the last
// stroke left it (at first, from the cursor) by the distance drawn.
class RelativeAbsoluteMotion
{
public:
    // Used when the configuration gives no desktop size.
    static constexpr int kFallbackDesktopWidth = 1920;
    static constexpr int kFallbackDesktopHeight = 1080;

    // The event of one packet at its normalised position, or none for the packet that starts a
    // stroke and for an out-of-range packet outside a stroke. tiltX and tiltY are the tilt as
    // the mapping turned it; desktopSize is the mapping's.
    std::shared_ptr<PointerEvent> motion(const TabletPenPacket &packet, std::int64_t tiltX,
                                         std::int64_t tiltY, const PenConfigure &pen,
                                         const QSize &desktopSize, const PenContext &context);

    // Normalised position at which the next stroke starts; (0, 0) means "take the cursor".
    QPoint rememberedPosition() const { return m_remembered; }

private:
    void startStroke(double pixelsPerUnitX, double pixelsPerUnitY, const PenContext &context);

    RelativeStroke m_stroke;
    QPoint m_remembered;
    RecycledEvents<DigitizerPointerEvent> m_digitizerEvents;
    RecycledEvents<MousePointerEvent> m_mouseEvents;
};
