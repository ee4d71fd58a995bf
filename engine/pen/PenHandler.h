#pragma once

#include "config/configure/TabletConfigure.h"
#include "config/packets/PointerEvent.h"
#include "config/packets/TabletPacket.h"
#include "engine/pen/PenContext.h"
#include "engine/pen/PenDeviceLimits.h"
#include "engine/pen/PenMapping.h"
#include "engine/pen/RecycledDigitizerEvents.h"
#include "engine/pen/RelativeAbsoluteMotion.h"
#include "engine/pen/RelativeGameMotion.h"
#include "engine/wintab/WintabPenRecord.h"

#include <QPoint>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

// What the Wintab driver answers after a record was posted.
struct WintabAnswer
{
    // Clear while a Wintab client takes the pen: the pointer event is held back.
    bool pointerOutputWanted = true;
    int foregroundHostCode = 0;
};

// The output side of the engine. Each function is empty when its driver does not exist.
struct PenOutputs
{
    // Normalised position to Wintab position, over the engine's monitor list.
    std::function<QPoint(const QPoint &)> toWintabPosition;
    // Posts the record to the Wintab driver and returns its answers.
    std::function<WintabAnswer(const WintabPenRecord &)> postWintab;
    std::function<void(const std::shared_ptr<PointerEvent> &)> sendPointer;
};

// Positions that one pen packet was given, for the settings window; a pair stays (0, 0) when
// its step did not run.
struct PenTrace
{
    QPoint normalised;
    QPoint pointer;
    QPoint wintab;

    // The three pairs in the order of the pen packet wrapper's trace.
    std::array<std::int32_t, 6> values() const;
};

// Where one pen packet goes, before the Wintab driver has been asked.
struct PenRoute
{
    enum class Kind {
        // No output at all.
        None,
        // Game mode: the event (if any) goes to the pointer driver at once, nothing else.
        GameMotion,
        // The Wintab record, then the event unless Wintab holds it back.
        Pointer,
    };

    Kind kind = Kind::None;
    // Normalised position, or the position of the relative mouse mode's event.
    QPoint position;
    // Empty for the packet that starts a relative stroke.
    std::shared_ptr<PointerEvent> event;
    // Complete but for the Wintab position.
    WintabPenRecord record;

    WintabPenRecord wintabRecord(const QPoint &wintabPosition) const;
    // Hosts that take mouse input only get the left button at the position instead.
    MousePointerEvent hostMouseEvent() const;
};

// What the engine keeps of a handled pen packet.
struct PenOutcome
{
    PenTrace trace;
    // The event that went to the pointer driver in the absolute or relative mouse mode: the
    // engine's last pointer event and position. Empty when none was sent.
    std::shared_ptr<PointerEvent> sentEvent;
};

// The pen handler: rotates and maps a processed pen packet onto the screen, builds its pointer
// event and Wintab record and delivers them. Keeps the stroke state of the two relative modes,
// so the engine holds one for the whole process; worker thread only.
class PenHandler
{
public:
    // Foreground host that takes mouse input in place of pen input.
    static constexpr int kMouseOnlyHostCode = 1542;

    PenRoute route(const TabletPenPacket &packet, const TabletConfigure &configure,
                   const PenDeviceLimits &device, const PenContext &context);

    PenOutcome handlePen(const TabletPenPacket &packet, const TabletConfigure &configure,
                         const PenDeviceLimits &device, const PenContext &context,
                         const PenOutputs &outputs);

private:
    RelativeGameMotion m_gameMotion;
    RelativeAbsoluteMotion m_absoluteMotion;
    RecycledDigitizerEvents m_digitizerEvents;
    RecycledEvents<MousePointerEvent> m_mouseEvents;
    MappingFrame m_frame;
};
