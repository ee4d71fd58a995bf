#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <memory>

// A few events of one class, handed out by shared pointer and reused once no one but this holds
// them any more, so that building one per report costs no allocation. Only when every event is
// still held elsewhere is a new one made (and not kept). Not thread-safe: one thread, or the
// caller's lock.
template<typename Event, std::size_t Count = 2>
class RecycledEvents
{
public:
    std::shared_ptr<Event> next(const Event &event)
    {
        for (std::shared_ptr<Event> &recycled : m_events) {
            if (!recycled) {
                recycled = std::make_shared<Event>(event);
                return recycled;
            }
            // The copy's count increment reads the release of whoever let go last, so what
            // it did with the event comes before this (a fence alone would do, but the thread
            // sanitizer does not see fences).
            std::shared_ptr<Event> probe = recycled;
            if (probe.use_count() == 2) {
                std::atomic_thread_fence(std::memory_order_acquire);
                *probe = event;
                return probe;
            }
        }
        return std::make_shared<Event>(event);
    }

private:
    std::array<std::shared_ptr<Event>, Count> m_events;
};
