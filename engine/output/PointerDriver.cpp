#include "engine/output/PointerDriver.h"

#include "engine/output/PointerReport.h"

#include <typeinfo>
#include <utility>

PointerDriver::PointerDriver(std::shared_ptr<IHidReportSink> sink,
                             std::shared_ptr<IPointerSystemState> systemState)
    : sink(std::move(sink)), systemState(std::move(systemState))
{
}

bool PointerDriver::open()
{
    if (!opened && sink)
        opened = sink->open();
    return opened;
}

bool PointerDriver::sendPointerEvent(const std::shared_ptr<PointerEvent> &event)
{
    if (!opened || !event || outputHeldBack())
        return false;
    const bool swapped = systemState && systemState->mouseButtonsSwapped();
    const std::optional<HidOutputReport> report = reportFor(*event, heldMode, swapped);
    return report && sink->writeReport(report->data(), report->size());
}

void PointerDriver::setMode(int mode)
{
    heldMode = mode;
}

std::optional<HidOutputReport> PointerDriver::reportFor(const PointerEvent &event, int mode,
                                                        bool buttonsSwapped)
{
    // The exact class, checked without a dynamic cast: one per pen report adds up.
    switch (event.kind) {
    case PointerEvent::AbsoluteMouse:
        if (typeid(event) == typeid(MousePointerEvent))
            return PointerReport::absoluteMouse(static_cast<const MousePointerEvent &>(event), mode,
                                                buttonsSwapped);
        break;
    case PointerEvent::RelativeMouse:
        if (typeid(event) == typeid(MousePointerEvent))
            return PointerReport::relativeMouse(static_cast<const MousePointerEvent &>(event), mode,
                                                buttonsSwapped);
        break;
    case PointerEvent::Digitizer:
        if (typeid(event) == typeid(DigitizerPointerEvent))
            return PointerReport::pen(static_cast<const DigitizerPointerEvent &>(event), mode);
        break;
    default:
        break;
    }
    return std::nullopt;
}

bool PointerDriver::outputHeldBack() const
{
    if (!systemState)
        return false;
    return SessionRule::holdsOutputBack(systemState->sessions(), systemState->ownSessionId());
}
