// Entry point of the Nibwire library. The loader lock is held here: no thread is joined and no
// Winsock call is made. The pipe client starts with the first Wintab call, not at load.
#include "nibwire/NibwireLibrary_Win32.h"

#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    try {
        if (reason == DLL_PROCESS_ATTACH) {
            DisableThreadLibraryCalls(instance);
            NibwireLibrary::instance().attach();
        } else if (reason == DLL_PROCESS_DETACH) {
            // A non-null `reserved` means the process is ending and its other threads are gone.
            NibwireLibrary::instance().detach(reserved != nullptr);
        }
    } catch (...) {
    }
    return TRUE;
}
