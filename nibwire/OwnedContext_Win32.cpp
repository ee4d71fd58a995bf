#include "nibwire/OwnedContext_Win32.h"

#include "nibwire/DefaultContext.h"

OwnedContext::OwnedContext(WintabSharedSection &section, const ContextMap &contexts,
                           std::uint32_t handle)
{
    const bool inMap = contexts.contains(handle);
    if (!inMap || !section.view())
        return;
    lock.emplace(section);
    if (!lock->owns()) {
        result = Access::LockFailed;
        return;
    }
    ContextSlot *slot = section.slotForHandle(handle);
    PacketQueue *queue = section.queueForHandle(handle);
    if (!slot || !queue
        || !SlotAllocation::ownedBy(handle, inMap, slot->handle, slot->ownerProcessId,
                                    GetCurrentProcessId())) {
        lock.reset();
        return;
    }
    result = Access::Owned;
    ownedSlot = slot;
    ownedQueue = queue;
}

void OwnedContext::unlock()
{
    lock.reset();
    ownedSlot = nullptr;
    ownedQueue = nullptr;
}
