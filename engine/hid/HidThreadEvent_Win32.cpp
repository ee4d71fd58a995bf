#include "engine/hid/HidThreadEvent_Win32.h"

#include "ipc/OwnedHandle_Win32.h"

namespace {

// Run by the system for each thread that stored an event, as the thread ends.
void WINAPI closeThreadEvent(void *event)
{
    if (event)
        CloseHandle(event);
}

// A fiber-local slot rather than a thread_local object: the system closes the event as the
// thread ends, where the runtime's own clean-up of thread_local objects is not to be relied on
// with the MinGW threading library.
DWORD eventSlot()
{
    static const DWORD slot = FlsAlloc(closeThreadEvent);
    return slot;
}

} // namespace

HANDLE HidThreadEvent_Win32::current()
{
    const DWORD slot = eventSlot();
    if (slot == FLS_OUT_OF_INDEXES)
        return nullptr;
    if (const HANDLE kept = FlsGetValue(slot))
        return kept;
    OwnedHandle made = OwnedHandle::newEvent();
    if (!made || !FlsSetValue(slot, made.get()))
        return nullptr;
    return made.release();
}
