// IpcClientHost.dll: a library that holds a pipe client the way Nibwire does, for the tests that
// unload it while the client's threads run. Its records reach a callback of the test program; its
// unload stops the client, waiting for its threads, and destroys it.
#include "ipc/IPCClient_Win32.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

using RecordCallback = void (*)(void *context);

IPCClient *client = nullptr;

} // namespace

extern "C" __declspec(dllexport) BOOL hostStartClient(const char *pipePrefix,
                                                      RecordCallback onRecord, void *context)
{
    if (client || !pipePrefix || !onRecord)
        return FALSE;
    try {
        client = new IPCClient(pipePrefix);
        client->start([onRecord, context](unsigned, std::shared_ptr<std::vector<std::uint8_t>>) {
            onRecord(context);
        }, 500);
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_DETACH && !reserved && client) {
        client->stopForUnload();
        delete client;
        client = nullptr;
    }
    return TRUE;
}
