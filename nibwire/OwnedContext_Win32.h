#pragma once
// One call's hold on a context of this process. The context map is asked first, under its own
// lock, which is let go before the section's lock is waited for: the two are never held
// together. Under the section's lock the slot must still name this handle and this process.
#include "ipc/SectionLock_Win32.h"
#include "ipc/WintabSharedSection_Win32.h"
#include "nibwire/ContextMap.h"

#include <cstdint>
#include <optional>

class OwnedContext
{
public:
    enum class Access { Owned, NotOwned, LockFailed };

    OwnedContext(WintabSharedSection &section, const ContextMap &contexts, std::uint32_t handle);
    OwnedContext(const OwnedContext &) = delete;
    OwnedContext &operator=(const OwnedContext &) = delete;

    Access access() const { return result; }
    bool owned() const { return result == Access::Owned; }
    // Only while owned and not unlocked.
    ContextSlot &slot() const { return *ownedSlot; }
    PacketQueue &queue() const { return *ownedQueue; }
    // Lets the section go before the end of the scope (messages are posted after it).
    void unlock();

private:
    std::optional<SectionLock> lock;
    Access result = Access::NotOwned;
    ContextSlot *ownedSlot = nullptr;
    PacketQueue *ownedQueue = nullptr;
};
