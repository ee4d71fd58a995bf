#pragma once
// The Wintab calls that open, change and close this process's contexts.
#include "ipc/Deadline.h"
#include "ipc/WintabSharedSection_Win32.h"
#include "nibwire/ContextMap.h"
#include "nibwire/HostIdentification.h"
#include "nibwire/WintabTypes.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

class ContextCalls
{
public:
    using HostSource = std::function<HostIdentification::HostIdentity()>;

    ContextCalls(WintabSharedSection &section, ContextMap &contexts, HostSource host);

    // The handle, 0 when the arguments are missing, the section's lock is not had or all sixteen
    // slots are taken.
    std::uint32_t openA(HWND window, LOGCONTEXTA *context, BOOL enable);
    std::uint32_t openW(HWND window, LOGCONTEXTW *context, BOOL enable);
    // FALSE when the handle is not this process's or the section's lock is not had; the context
    // then stays open.
    BOOL close(std::uint32_t handle);
    BOOL enable(std::uint32_t handle, BOOL enable);
    BOOL overlap(std::uint32_t handle, BOOL toTop);
    BOOL getA(std::uint32_t handle, LOGCONTEXTA *context);
    BOOL getW(std::uint32_t handle, LOGCONTEXTW *context);
    BOOL setA(std::uint32_t handle, const LOGCONTEXTA *context);
    BOOL setW(std::uint32_t handle, const LOGCONTEXTW *context);

    // How long an unload waits for the section's lock at most, under the loader lock. Slots left
    // behind are reclaimed by a later open, once their window is gone.
    static constexpr std::chrono::milliseconds kUnloadLockWait{250};

    // At unload: clears the slots of `handles` that are still this process's, posting nothing;
    // gives up when the section's lock is not had within kUnloadLockWait or by the unload's
    // `deadline`, whichever comes first.
    void removeContexts(const std::vector<std::uint32_t> &handles, const Deadline &deadline);

private:
    std::uint32_t open(HWND window, const LOGCONTEXTA &record, BOOL enable);
    // Under the section's lock: clears slots whose window is gone and takes the first free one.
    std::uint32_t takeSlot(HWND window, const LOGCONTEXTA &record, BOOL enable,
                           const HostIdentification::HostIdentity &host);
    bool get(std::uint32_t handle, LOGCONTEXTA &context);
    BOOL set(std::uint32_t handle, const LOGCONTEXTA &context);

    WintabSharedSection &section;
    ContextMap &contexts;
    const HostSource host;
};
