#pragma once

#include "config/PointerEvent.h"

#include <array>
#include <memory>

// The digitizer events of the absolute pen, one per pen report: an event is reused once no one
// but this holds it any more (the engine keeps the last one sent), so a report costs no
// allocation. Worker thread only.
class RecycledDigitizerEvents
{
public:
    std::shared_ptr<PointerEvent> next(const DigitizerPointerEvent &event);

private:
    std::array<std::shared_ptr<DigitizerPointerEvent>, 2> m_events;
};
