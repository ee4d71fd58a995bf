#pragma once
// Nibwire.dll as a host loads it: from beside the test program, each export looked up by name.
#include "nibwire/WintabTypes.h"

#include <windows.h>

#include <string>

namespace NibwireApi {

using Context = void *;
using Info = UINT(WINAPI *)(UINT, UINT, LPVOID);
using OpenA = Context(WINAPI *)(HWND, LOGCONTEXTA *, BOOL);
using OpenW = Context(WINAPI *)(HWND, LOGCONTEXTW *, BOOL);
using Close = BOOL(WINAPI *)(Context);
using PacketsGet = int(WINAPI *)(Context, int, LPVOID);
using Packet = BOOL(WINAPI *)(Context, UINT, LPVOID);
using Switch = BOOL(WINAPI *)(Context, BOOL);
using Config = BOOL(WINAPI *)(Context, HWND);
using GetA = BOOL(WINAPI *)(Context, LOGCONTEXTA *);
using GetW = BOOL(WINAPI *)(Context, LOGCONTEXTW *);
using DataGet = int(WINAPI *)(Context, UINT, UINT, int, LPVOID, LPINT);
using QueueSizeGet = int(WINAPI *)(Context);
using QueueSizeSet = BOOL(WINAPI *)(Context, int);
using QueuePacketsEx = BOOL(WINAPI *)(Context, UINT *, UINT *);

} // namespace NibwireApi

// Loads the library for the lifetime of the object.
class NibwireModule
{
public:
    static std::wstring path()
    {
        wchar_t buffer[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
        std::wstring folder(buffer, length);
        folder.erase(folder.find_last_of(L"\\/") + 1);
        return folder + L"Nibwire.dll";
    }

    NibwireModule() : module(LoadLibraryW(path().c_str())) {}
    ~NibwireModule()
    {
        if (module)
            FreeLibrary(module);
    }
    NibwireModule(const NibwireModule &) = delete;
    NibwireModule &operator=(const NibwireModule &) = delete;

    bool loaded() const { return module != nullptr; }
    HMODULE handle() const { return module; }

    template <typename Function>
    Function get(const char *name) const
    {
        return reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(module, name)));
    }

    NibwireApi::Info infoA() const { return get<NibwireApi::Info>("WTInfoA"); }
    NibwireApi::Info infoW() const { return get<NibwireApi::Info>("WTInfoW"); }
    NibwireApi::OpenA openA() const { return get<NibwireApi::OpenA>("WTOpenA"); }
    NibwireApi::OpenW openW() const { return get<NibwireApi::OpenW>("WTOpenW"); }
    NibwireApi::Close close() const { return get<NibwireApi::Close>("WTClose"); }
    NibwireApi::GetA getA() const { return get<NibwireApi::GetA>("WTGetA"); }
    NibwireApi::GetW getW() const { return get<NibwireApi::GetW>("WTGetW"); }
    NibwireApi::GetA setA() const { return get<NibwireApi::GetA>("WTSetA"); }
    NibwireApi::GetW setW() const { return get<NibwireApi::GetW>("WTSetW"); }
    NibwireApi::Switch enable() const { return get<NibwireApi::Switch>("WTEnable"); }
    NibwireApi::Switch overlap() const { return get<NibwireApi::Switch>("WTOverlap"); }
    NibwireApi::PacketsGet packetsGet() const
    {
        return get<NibwireApi::PacketsGet>("WTPacketsGet");
    }
    NibwireApi::PacketsGet packetsPeek() const
    {
        return get<NibwireApi::PacketsGet>("WTPacketsPeek");
    }
    NibwireApi::Packet packet() const { return get<NibwireApi::Packet>("WTPacket"); }
    NibwireApi::DataGet dataGet() const { return get<NibwireApi::DataGet>("WTDataGet"); }
    NibwireApi::DataGet dataPeek() const { return get<NibwireApi::DataGet>("WTDataPeek"); }
    NibwireApi::QueuePacketsEx queuePacketsEx() const
    {
        return get<NibwireApi::QueuePacketsEx>("WTQueuePacketsEx");
    }

private:
    HMODULE module;
};
