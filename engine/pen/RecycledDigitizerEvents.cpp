#include "engine/pen/RecycledDigitizerEvents.h"

#include <atomic>

std::shared_ptr<PointerEvent> RecycledDigitizerEvents::next(const DigitizerPointerEvent &event)
{
    for (std::shared_ptr<DigitizerPointerEvent> &recycled : m_events) {
        if (!recycled) {
            recycled = std::make_shared<DigitizerPointerEvent>(event);
            return recycled;
        }
        if (recycled.use_count() == 1) {
            // Whoever held it last has let go; what it did with the event comes before this.
            std::atomic_thread_fence(std::memory_order_acquire);
            *recycled = event;
            return recycled;
        }
    }
    return std::make_shared<DigitizerPointerEvent>(event);
}
