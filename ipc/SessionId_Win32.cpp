#include "ipc/SessionId_Win32.h"

#include "ipc/SessionNames.h"

#include <windows.h>
#include <wtsapi32.h>

std::optional<std::uint32_t> currentSessionId()
{
    LPSTR buffer = nullptr;
    DWORD size = 0;
    if (!WTSQuerySessionInformationA(WTS_CURRENT_SERVER_HANDLE, WTS_CURRENT_SESSION, WTSSessionId,
                                     &buffer, &size))
        return std::nullopt;
    std::optional<std::uint32_t> id;
    if (buffer && size >= sizeof(ULONG))
        id = *reinterpret_cast<const ULONG *>(buffer);
    if (buffer)
        WTSFreeMemory(buffer);
    return id;
}

std::string currentSessionName(const std::string &prefix)
{
    return SessionNames::name(prefix, currentSessionId());
}
