#include "engine/output/PointerSystemState_Win32.h"

#include <windows.h>
#include <wtsapi32.h>

namespace {

// The terminal-services library is loaded when first needed, so that a system without it
// (or with an incomplete one) only loses the session list.
class SessionFunctions
{
public:
    using Enumerate = decltype(&WTSEnumerateSessionsW);
    using FreeMemory = decltype(&WTSFreeMemory);

    static const SessionFunctions &instance()
    {
        static const SessionFunctions functions;
        return functions;
    }

    Enumerate enumerate = nullptr;
    FreeMemory freeMemory = nullptr;

private:
    SessionFunctions()
    {
        const HMODULE library = LoadLibraryW(L"wtsapi32.dll");
        if (!library)
            return;
        enumerate = function<Enumerate>(library, "WTSEnumerateSessionsW");
        freeMemory = function<FreeMemory>(library, "WTSFreeMemory");
    }

    template<typename Function>
    static Function function(HMODULE library, const char *name)
    {
        // Through the generic function type, which converts to any other without a warning.
        return reinterpret_cast<Function>(
                reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
    }
};

std::vector<SessionState> sessionStates(const WTS_SESSION_INFOW *info, DWORD count)
{
    std::vector<SessionState> states;
    states.reserve(count);
    for (DWORD index = 0; index < count; ++index)
        states.push_back({info[index].SessionId, info[index].State == WTSActive});
    return states;
}

} // namespace

bool PointerSystemState_Win32::mouseButtonsSwapped() const
{
    return GetSystemMetrics(SM_SWAPBUTTON) != 0;
}

std::optional<std::vector<SessionState>> PointerSystemState_Win32::sessions() const
{
    const SessionFunctions &functions = SessionFunctions::instance();
    if (!functions.enumerate || !functions.freeMemory)
        return std::nullopt;
    WTS_SESSION_INFOW *info = nullptr;
    DWORD count = 0;
    if (!functions.enumerate(WTS_CURRENT_SERVER_HANDLE, 0, 1, &info, &count))
        return std::nullopt;
    std::vector<SessionState> states = info ? sessionStates(info, count) : std::vector<SessionState>();
    if (info)
        functions.freeMemory(info);
    return states;
}

std::optional<std::uint32_t> PointerSystemState_Win32::ownSessionId() const
{
    DWORD session = 0;
    if (!ProcessIdToSessionId(GetCurrentProcessId(), &session))
        return std::nullopt;
    return std::uint32_t(session);
}
