#include "engine/pen/RelativeAbsoluteMotion.h"

#include "engine/pen/PenEvents.h"
#include "engine/pen/PenMapping.h"

#include <cmath>

namespace {

QSize usableDesktop(const QSize &desktopSize)
{
    if (desktopSize.width() <= 0 || desktopSize.height() <= 0)
        return QSize(RelativeAbsoluteMotion::kFallbackDesktopWidth,
                     RelativeAbsoluteMotion::kFallbackDesktopHeight);
    return desktopSize;
}

int truncatedInt(double value)
{
    // The cursor is within a few hundred thousand pixels of the origin.
    return static_cast<int>(std::trunc(value));
}

} // namespace

void RelativeAbsoluteMotion::startStroke(double pixelsPerUnitX, double pixelsPerUnitY,
                                         const PenContext &context)
{
    if (!m_remembered.isNull())
        return;
    const QPoint cursor = context.cursor();
    m_remembered = QPoint(truncatedInt(cursor.x() / pixelsPerUnitX),
                          truncatedInt(cursor.y() / pixelsPerUnitY));
}

std::shared_ptr<PointerEvent> RelativeAbsoluteMotion::motion(const TabletPenPacket &packet,
                                                             std::int64_t tiltX,
                                                             std::int64_t tiltY,
                                                             const PenConfigure &pen,
                                                             const QSize &desktopSize,
                                                             const PenContext &context)
{
    // Desktop pixels per normalised unit.
    const QSize desktop = usableDesktop(desktopSize);
    const double pixelsPerUnitX = desktop.width() / double(PenMapping::kNormalisedMaximum);
    const double pixelsPerUnitY = desktop.height() / double(PenMapping::kNormalisedMaximum);

    const RelativeStroke::Step step = m_stroke.follow(packet);
    if (step == RelativeStroke::Step::Idle)
        return {};
    if (step == RelativeStroke::Step::Started) {
        startStroke(pixelsPerUnitX, pixelsPerUnitY, context);
        return {};
    }

    // The distance drawn, in pixels, then in normalised units from the stroke's start.
    const double countsPerPixel = RelativeStroke::countsPerPixel(pen.step);
    const QPoint position(
            PenMapping::truncateNormalised(m_stroke.dx() / countsPerPixel / pixelsPerUnitX
                                           + m_remembered.x()),
            PenMapping::truncateNormalised(m_stroke.dy() / countsPerPixel / pixelsPerUnitY
                                           + m_remembered.y()));
    if (step == RelativeStroke::Step::Ended)
        m_remembered = position;

    if (pen.ink)
        return m_digitizerEvents.next(PenEvents::digitizerEvent(
                position, packet, tiltX, tiltY, context.takeToolChangeFlag(), context.eraserMode));
    return m_mouseEvents.next(PenEvents::absoluteMouse(position, packet.pressure));
}
