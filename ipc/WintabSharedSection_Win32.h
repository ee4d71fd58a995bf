#pragma once

#include "ipc/OwnedHandle_Win32.h"
#include "ipc/SessionId_Win32.h"
#include "ipc/SessionNames.h"
#include "ipc/WintabBridgeRecords.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <string>

// This process's handles to the session's shared section and to the named mutex that guards it.
// Whichever process of the session comes first creates both; the others open them by name.
// Slots and queues are read and written only while a SectionLock on this object is held.
class WintabSharedSection
{
public:
    static constexpr std::chrono::milliseconds kQzTabletLockTimeout{30000};
    static constexpr std::chrono::milliseconds kNibwireLockTimeout{60000};

    // Opens (or creates) the mutex. The names default to those of the caller's session.
    explicit WintabSharedSection(std::chrono::milliseconds lockTimeout,
                                 const std::string &sectionName
                                 = currentSessionName(SessionNames::kSectionPrefix),
                                 const std::string &mutexName
                                 = currentSessionName(SessionNames::kMutexPrefix));
    ~WintabSharedSection();
    WintabSharedSection(const WintabSharedSection &) = delete;
    WintabSharedSection &operator=(const WintabSharedSection &) = delete;

    // Opens the section by name, or creates it; then maps all of it.
    bool openSection();
    // Unmaps the view and closes the section; the mutex stays.
    void closeSection();

    void *view() const { return mappedView; }
    bool hasMutex() const { return mutex.valid(); }
    // Whether openSection made the section rather than finding it.
    bool createdSection() const { return created; }
    std::chrono::milliseconds lockTimeout() const { return timeout; }

    static PacketQueue *queueAt(void *view, std::uint32_t index)
    {
        return packetQueueAt(view, index);
    }
    ContextSlot *slotForHandle(std::uint32_t handle) const
    {
        return contextSlotForHandle(mappedView, handle);
    }
    PacketQueue *queueForHandle(std::uint32_t handle) const
    {
        return packetQueueForHandle(mappedView, handle);
    }

private:
    friend class SectionLock;

    const std::string sectionName;
    const std::chrono::milliseconds timeout;
    OwnedHandle mutex;
    OwnedHandle mapping;
    void *mappedView = nullptr;
    bool created = false;
};
