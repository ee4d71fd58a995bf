#include "engine/pen/PenHandler.h"

#include "engine/pen/PenEvents.h"
#include "engine/pen/PenMapping.h"

namespace {

constexpr std::uint16_t kSecondBarrelButton = 2;

WintabPenRecord recordWithoutPosition(const TabletPenPacket &packet, const PenPoint &rotated,
                                      const PenConfigure &pen, const PenContext &context)
{
    WintabPenRecord record;
    record.pressure = packet.pressure;
    record.tiltX = static_cast<std::int32_t>(rotated.tiltX);
    record.tiltY = static_cast<std::int32_t>(rotated.tiltY);
    record.buttons = packet.button1 ? kSecondBarrelButton : 0;
    record.state = static_cast<std::uint16_t>(packet.status);
    record.eraser = context.eraserMode ? 1 : 0;
    record.ink = pen.ink ? 1 : 0;
    return record;
}

QPoint eventPosition(const PointerEvent &event)
{
    return QPoint(static_cast<std::int32_t>(event.x), static_cast<std::int32_t>(event.y));
}

} // namespace

std::array<std::int32_t, 6> PenTrace::values() const
{
    return {normalised.x(), normalised.y(), pointer.x(), pointer.y(), wintab.x(), wintab.y()};
}

WintabPenRecord PenRoute::wintabRecord(const QPoint &wintabPosition) const
{
    WintabPenRecord positioned = record;
    positioned.x = wintabPosition.x();
    positioned.y = wintabPosition.y();
    return positioned;
}

MousePointerEvent PenRoute::hostMouseEvent() const
{
    return PenEvents::absoluteMouse(position, static_cast<std::uint16_t>(record.pressure));
}

PenRoute PenHandler::route(const TabletPenPacket &packet, const TabletConfigure &configure,
                           const PenDeviceLimits &device, const PenContext &context)
{
    const PenConfigure &pen = configure.pen;
    if (!m_frame.isFor(configure.mapping, device))
        m_frame = PenMapping::frameFor(configure.mapping, device);
    const std::optional<MappedPen> mapped = PenMapping::mapPen(packet, m_frame, pen.relative);
    if (!mapped)
        return {};
    const PenPoint &rotated = mapped->rotated;

    PenRoute route;
    route.position = mapped->normalised;
    if (pen.relative && pen.gameSupport) {
        route.kind = PenRoute::Kind::GameMotion;
        route.event = m_gameMotion.motion(packet, pen.step);
        return route;
    }

    route.kind = PenRoute::Kind::Pointer;
    if (pen.relative) {
        route.event = m_absoluteMotion.motion(packet, rotated.tiltX, rotated.tiltY, pen,
                                              configure.mapping.desktopSize, context);
        if (route.event)
            route.position = eventPosition(*route.event);
    } else {
        const bool toolChange = context.takeToolChangeFlag();
        if (pen.ink)
            route.event = m_digitizerEvents.next(PenEvents::digitizerEvent(
                    route.position, packet, rotated.tiltX, rotated.tiltY, toolChange,
                    context.eraserMode));
        else
            route.event = m_mouseEvents.next(PenEvents::absoluteMouse(route.position, packet.pressure));
    }
    route.record = recordWithoutPosition(packet, rotated, pen, context);
    route.record.alternativeX = route.position.x();
    route.record.alternativeY = route.position.y();
    return route;
}

PenOutcome PenHandler::handlePen(const TabletPenPacket &packet,
                                 const TabletConfigure &configure,
                                 const PenDeviceLimits &device, const PenContext &context,
                                 const PenOutputs &outputs)
{
    PenOutcome outcome;
    PenRoute route = this->route(packet, configure, device, context);
    if (route.kind == PenRoute::Kind::None)
        return outcome;
    if (route.kind == PenRoute::Kind::GameMotion) {
        if (route.event && outputs.sendPointer)
            outputs.sendPointer(route.event);
        return outcome;
    }

    std::shared_ptr<PointerEvent> event = std::move(route.event);
    if (outputs.postWintab) {
        const QPoint wintab = outputs.toWintabPosition ? outputs.toWintabPosition(route.position)
                                                       : route.position;
        const WintabAnswer answer = outputs.postWintab(route.wintabRecord(wintab));
        // A Wintab client takes the pen.
        if (!answer.pointerOutputWanted)
            return outcome;
        outcome.trace.wintab = wintab;
        if (event && answer.foregroundHostCode == kMouseOnlyHostCode)
            event = m_mouseEvents.next(route.hostMouseEvent());
    }

    if (!event)
        return outcome;
    outcome.trace.normalised = route.position;
    outcome.trace.pointer = eventPosition(*event);
    if (outputs.sendPointer) {
        outputs.sendPointer(event);
        outcome.sentEvent = std::move(event);
    }
    return outcome;
}
