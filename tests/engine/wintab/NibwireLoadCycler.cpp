// A host that probes for Wintab and leaves again, many times over: it loads the Wintab library
// beside this program, asks it for information (which makes the library connect to QZTablet's
// pipe), waits a little and frees it, without ever opening a context.
//
// Usage: NibwireLoadCycler.exe CYCLES [PAUSE_MS]
// Exits with 0 when every cycle loaded the library and got an answer, else 1 (2: bad usage).
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

using InfoFunction = UINT(WINAPI *)(UINT, UINT, void *);

std::wstring besideThisProgram(const wchar_t *file)
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + file;
}

bool cycleOnce(const std::wstring &library, DWORD pauseMs)
{
    const HMODULE module = LoadLibraryW(library.c_str());
    if (!module)
        return false;
    const auto info = reinterpret_cast<InfoFunction>(
            reinterpret_cast<void *>(GetProcAddress(module, "WTInfoA")));
    const bool answered = info && info(0, 0, nullptr) != 0;
    Sleep(pauseMs);
    FreeLibrary(module);
    return answered;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc < 2)
        return 2;
    const int cycles = _wtoi(argv[1]);
    const DWORD pauseMs = argc > 2 ? DWORD(_wtoi(argv[2])) : 0;
    const std::wstring library = besideThisProgram(L"Nibwire.dll");
    for (int i = 0; i < cycles; ++i) {
        if (!cycleOnce(library, pauseMs))
            return 1;
    }
    return 0;
}
