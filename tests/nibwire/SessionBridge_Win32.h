#pragma once
// The test's own view of the session's shared section, as QZTablet has it: it clears the slots
// before a test, looks at them, and publishes packets into the queues.
#include "ipc/SectionLock_Win32.h"
#include "ipc/WintabSharedSection_Win32.h"

#include <cstring>
#include <functional>

class SessionBridge
{
public:
    SessionBridge() : section(WintabSharedSection::kQzTabletLockTimeout) { section.openSection(); }

    bool ready() const { return section.view() != nullptr; }

    // Every slot and queue back to zero.
    bool clearAll()
    {
        return locked([](void *view) { std::memset(view, 0, kSharedSectionSize); });
    }

    ContextSlot slot(std::uint32_t handle)
    {
        ContextSlot copy{};
        locked([&](void *) { copy = *section.slotForHandle(handle); });
        return copy;
    }

    bool editSlot(std::uint32_t handle, const std::function<void(ContextSlot &)> &edit)
    {
        return locked([&](void *) { edit(*section.slotForHandle(handle)); });
    }

    bool editQueue(std::uint32_t handle, const std::function<void(PacketQueue &)> &edit)
    {
        return locked([&](void *) { edit(*section.queueForHandle(handle)); });
    }

    // Appends `count` pen packets whose x is the serial (so a packet tells which entry it came
    // from) and whose pressure is `pressure`.
    bool publish(std::uint32_t handle, std::uint32_t count, std::uint32_t pressure = 100)
    {
        return editQueue(handle, [&](PacketQueue &queue) {
            for (std::uint32_t n = 0; n < count; ++n) {
                PacketQueueEntry &entry = queue.entryFor(queue.writeCounter);
                entry = PacketQueueEntry{};
                entry.serial = queue.writeCounter;
                entry.buttonsAndState = 0xA0;
                entry.x = queue.writeCounter % 32768;
                entry.y = 1000;
                entry.pressure = pressure;
                ++queue.writeCounter;
            }
        });
    }

private:
    bool locked(const std::function<void(void *)> &action)
    {
        if (!section.view())
            return false;
        SectionLock lock(section);
        if (!lock)
            return false;
        action(section.view());
        return true;
    }

    WintabSharedSection section;
};
