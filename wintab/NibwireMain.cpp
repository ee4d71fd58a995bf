// Entry point of the Nibwire library. Loading and unloading do as little as possible:
// the loader lock is held here, so no thread is waited for and no Winsock call is made.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        DisableThreadLibraryCalls(instance);
    return TRUE;
}
