#pragma once

#include "config/packets/PointerEvent.h"
#include "engine/core/RecycledEvents.h"

// The digitizer events of the absolute pen, one per pen report: an event is reused once no one
// but the pool holds it any more (the engine keeps the last one sent). Worker thread only.
using RecycledDigitizerEvents = RecycledEvents<DigitizerPointerEvent>;
