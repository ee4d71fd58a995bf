#include "nibwire/ContextCalls_Win32.h"

#include "ipc/SectionLock_Win32.h"
#include "nibwire/AnsiText_Win32.h"
#include "nibwire/DefaultContext.h"
#include "nibwire/OwnedContext_Win32.h"
#include "nibwire/SlotEdits.h"

#include <algorithm>
#include <array>

namespace {

std::uint64_t windowValue(HWND window)
{
    return std::uint64_t(reinterpret_cast<std::uintptr_t>(window));
}

HWND windowOf(std::uint64_t value)
{
    return reinterpret_cast<HWND>(std::uintptr_t(value));
}

} // namespace

ContextCalls::ContextCalls(WintabSharedSection &section, ContextMap &contexts, HostSource host)
    : section(section), contexts(contexts), host(std::move(host))
{}

std::uint32_t ContextCalls::openA(HWND window, LOGCONTEXTA *context, BOOL enable)
{
    if (!window || !context)
        return 0;
    const LOGCONTEXTA record = SlotEdits::openingRecord(*context);
    const std::uint32_t handle = open(window, record, enable);
    if (handle)
        *context = record;
    return handle;
}

std::uint32_t ContextCalls::openW(HWND window, LOGCONTEXTW *context, BOOL enable)
{
    if (!window || !context)
        return 0;
    const unsigned codePage = AnsiText::threadCodePage();
    const LOGCONTEXTA record
            = SlotEdits::openingRecord(AnsiText::narrowed(*context, codePage));
    const std::uint32_t handle = open(window, record, enable);
    // A disabled open hands back its name as the library stored it.
    if (handle && !enable)
        AnsiText::toWideName(record.lcName, context->lcName, codePage);
    return handle;
}

std::uint32_t ContextCalls::open(HWND window, const LOGCONTEXTA &record, BOOL enable)
{
    const HostIdentification::HostIdentity identity = host();
    std::uint32_t handle = 0;
    {
        SectionLock lock(section);
        if (!lock || !section.view())
            return 0;
        handle = takeSlot(window, record, enable, identity);
    }
    if (!handle)
        return 0;
    contexts.put(handle, windowValue(window));
    PostMessageW(window, WT_CTXOPEN, handle, CXS_ONTOP);
    PostMessageW(window, WT_CTXOVERLAP, handle, CXS_ONTOP);
    return handle;
}

std::uint32_t ContextCalls::takeSlot(HWND window, const LOGCONTEXTA &record, BOOL enable,
                                     const HostIdentification::HostIdentity &identity)
{
    std::array<ContextSlot *, SlotAllocation::kSlotCount> slots{};
    std::array<SlotAllocation::SlotState, SlotAllocation::kSlotCount> states{};
    for (std::size_t index = 0; index < slots.size(); ++index) {
        slots[index] = section.slotForHandle(std::uint32_t(index + 1));
        states[index].handle = slots[index]->handle;
        states[index].windowAlive = IsWindow(windowOf(slots[index]->window)) != FALSE;
    }
    const SlotAllocation::OpenDecision decision = SlotAllocation::allocate(states);
    for (std::size_t index = 0; index < slots.size(); ++index) {
        if (decision.clear[index])
            SlotEdits::clear(*slots[index]);
    }
    if (decision.taken < 0)
        return 0;
    SlotEdits::Opening opening;
    opening.handle = std::uint32_t(decision.taken + 1);
    opening.processId = GetCurrentProcessId();
    opening.window = windowValue(window);
    opening.enabled = enable;
    opening.host = identity;
    opening.context = record;
    SlotEdits::open(*slots[std::size_t(decision.taken)],
                    section.queueForHandle(opening.handle), opening);
    return opening.handle;
}

BOOL ContextCalls::close(std::uint32_t handle)
{
    OwnedContext owned(section, contexts, handle);
    if (owned.access() == OwnedContext::Access::LockFailed)
        return FALSE;
    if (!owned.owned()) {
        // A handle of the map whose slot another process has taken since is no longer ours.
        contexts.erase(handle);
        return FALSE;
    }
    ContextSlot &slot = owned.slot();
    PostMessageW(windowOf(slot.window), WT_CTXCLOSE, handle, slot.context.lcStatus);
    SlotEdits::clear(slot);
    owned.unlock();
    contexts.erase(handle);
    return TRUE;
}

BOOL ContextCalls::enable(std::uint32_t handle, BOOL enable)
{
    OwnedContext owned(section, contexts, handle);
    if (!owned.owned())
        return FALSE;
    SlotEdits::enable(owned.slot(), &owned.queue(), enable);
    return TRUE;
}

BOOL ContextCalls::overlap(std::uint32_t handle, BOOL toTop)
{
    OwnedContext owned(section, contexts, handle);
    if (!owned.owned())
        return FALSE;
    const std::uint32_t status = SlotEdits::overlap(owned.slot(), toTop != FALSE);
    const HWND window = windowOf(owned.slot().window);
    owned.unlock();
    PostMessageW(window, WT_CTXOVERLAP, handle, status);
    return TRUE;
}

BOOL ContextCalls::getA(std::uint32_t handle, LOGCONTEXTA *context)
{
    if (!context)
        return FALSE;
    LOGCONTEXTA record;
    if (!get(handle, record))
        return FALSE;
    *context = record;
    return TRUE;
}

BOOL ContextCalls::getW(std::uint32_t handle, LOGCONTEXTW *context)
{
    if (!context)
        return FALSE;
    LOGCONTEXTA record;
    if (!get(handle, record))
        return FALSE;
    *context = AnsiText::widened(record, AnsiText::threadCodePage());
    return TRUE;
}

bool ContextCalls::get(std::uint32_t handle, LOGCONTEXTA &context)
{
    OwnedContext owned(section, contexts, handle);
    if (!owned.owned())
        return false;
    context = SlotEdits::context(owned.slot());
    return true;
}

BOOL ContextCalls::setA(std::uint32_t handle, const LOGCONTEXTA *context)
{
    if (!context)
        return FALSE;
    return set(handle, *context);
}

BOOL ContextCalls::setW(std::uint32_t handle, const LOGCONTEXTW *context)
{
    if (!context)
        return FALSE;
    return set(handle, AnsiText::narrowed(*context, AnsiText::threadCodePage()));
}

BOOL ContextCalls::set(std::uint32_t handle, const LOGCONTEXTA &context)
{
    OwnedContext owned(section, contexts, handle);
    if (!owned.owned())
        return FALSE;
    SlotEdits::setContext(owned.slot(), context);
    const HWND window = windowOf(owned.slot().window);
    owned.unlock();
    PostMessageW(window, WT_CTXUPDATE, handle, 0);
    return TRUE;
}

void ContextCalls::removeContexts(const std::vector<std::uint32_t> &handles,
                                  const Deadline &deadline)
{
    if (handles.empty())
        return;
    const DWORD processId = GetCurrentProcessId();
    SectionLock lock(section, std::min(kUnloadLockWait, deadline.left()));
    if (!lock)
        return;
    for (const std::uint32_t handle : handles) {
        ContextSlot *slot = section.slotForHandle(handle);
        if (slot && slot->handle == handle && slot->ownerProcessId == processId)
            SlotEdits::clear(*slot);
    }
}
