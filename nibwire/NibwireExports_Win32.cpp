// The exported Wintab functions: each hands its call to the library and lets no exception out
// into the host.
#include "nibwire/NibwireExports_Win32.h"

#include "nibwire/NibwireLibrary_Win32.h"

#include <cstdint>

namespace {

// Context handles are 1..16; any other value names no context.
std::uint32_t handleOf(HCTX context)
{
    const auto value = reinterpret_cast<std::uintptr_t>(context);
    return value <= kContextCount ? std::uint32_t(value) : 0;
}

HCTX contextOf(std::uint32_t handle)
{
    return reinterpret_cast<HCTX>(std::uintptr_t(handle));
}

template <typename Result, typename Call>
Result guarded(Result failure, Call call)
{
    try {
        return call();
    } catch (...) {
        return failure;
    }
}

NibwireLibrary &library()
{
    return NibwireLibrary::instance();
}

} // namespace

extern "C" {

UINT WINAPI WTInfoA(UINT category, UINT index, LPVOID output)
{
    return guarded<UINT>(0, [&] {
        return library().info(category, index, output, WintabInfo::Text::Narrow);
    });
}

UINT WINAPI WTInfoW(UINT category, UINT index, LPVOID output)
{
    return guarded<UINT>(0, [&] {
        return library().info(category, index, output, WintabInfo::Text::Wide);
    });
}

HCTX WINAPI WTOpenA(HWND window, LOGCONTEXTA *context, BOOL enable)
{
    return guarded<HCTX>(nullptr, [&] {
        library().startClientOnce();
        return contextOf(library().contextCalls().openA(window, context, enable));
    });
}

HCTX WINAPI WTOpenW(HWND window, LOGCONTEXTW *context, BOOL enable)
{
    return guarded<HCTX>(nullptr, [&] {
        library().startClientOnce();
        return contextOf(library().contextCalls().openW(window, context, enable));
    });
}

BOOL WINAPI WTClose(HCTX context)
{
    return guarded<BOOL>(FALSE, [&] { return library().contextCalls().close(handleOf(context)); });
}

int WINAPI WTPacketsGet(HCTX context, int maxPackets, LPVOID packets)
{
    return guarded<int>(0, [&] {
        return library().packetCalls().packetsGet(handleOf(context), maxPackets, packets);
    });
}

BOOL WINAPI WTPacket(HCTX context, UINT serial, LPVOID packet)
{
    return guarded<BOOL>(FALSE, [&] {
        return library().packetCalls().packet(handleOf(context), serial, packet);
    });
}

BOOL WINAPI WTEnable(HCTX context, BOOL enable)
{
    return guarded<BOOL>(FALSE, [&] {
        return library().contextCalls().enable(handleOf(context), enable);
    });
}

BOOL WINAPI WTOverlap(HCTX context, BOOL toTop)
{
    return guarded<BOOL>(FALSE, [&] {
        return library().contextCalls().overlap(handleOf(context), toTop);
    });
}

// No configuration dialog: the driver's settings are QZTablet's.
BOOL WINAPI WTConfig(HCTX, HWND)
{
    return FALSE;
}

BOOL WINAPI WTGetA(HCTX context, LOGCONTEXTA *record)
{
    return guarded<BOOL>(FALSE, [&] {
        return library().contextCalls().getA(handleOf(context), record);
    });
}

BOOL WINAPI WTGetW(HCTX context, LOGCONTEXTW *record)
{
    return guarded<BOOL>(FALSE, [&] {
        return library().contextCalls().getW(handleOf(context), record);
    });
}

BOOL WINAPI WTSetA(HCTX context, LOGCONTEXTA *record)
{
    return guarded<BOOL>(FALSE, [&] {
        return library().contextCalls().setA(handleOf(context), record);
    });
}

BOOL WINAPI WTSetW(HCTX context, LOGCONTEXTW *record)
{
    return guarded<BOOL>(FALSE, [&] {
        return library().contextCalls().setW(handleOf(context), record);
    });
}

int WINAPI WTPacketsPeek(HCTX context, int maxPackets, LPVOID packets)
{
    return guarded<int>(0, [&] {
        return library().packetCalls().packetsPeek(handleOf(context), maxPackets, packets);
    });
}

int WINAPI WTDataGet(HCTX context, UINT begin, UINT end, int maxPackets, LPVOID packets,
                     LPINT count)
{
    return guarded<int>(0, [&] {
        return library().packetCalls().dataGet(handleOf(context), begin, end, maxPackets, packets,
                                               count);
    });
}

int WINAPI WTDataPeek(HCTX context, UINT begin, UINT end, int maxPackets, LPVOID packets,
                      LPINT count)
{
    return guarded<int>(0, [&] {
        return library().packetCalls().dataPeek(handleOf(context), begin, end, maxPackets,
                                                packets, count);
    });
}

// The queue is QZTablet's ring; the size is only remembered.
int WINAPI WTQueueSizeGet(HCTX)
{
    return library().queueSize();
}

BOOL WINAPI WTQueueSizeSet(HCTX, int size)
{
    return library().setQueueSize(size);
}

BOOL WINAPI WTQueuePacketsEx(HCTX context, UINT *oldest, UINT *newest)
{
    return guarded<BOOL>(FALSE, [&] {
        return library().packetCalls().queuePacketsEx(handleOf(context), oldest, newest);
    });
}

// Extensions, saving and the manager interface are not offered; each answers the same always.

BOOL WINAPI WTExtGet(HCTX, UINT, LPVOID)
{
    return TRUE;
}

BOOL WINAPI WTExtSet(HCTX, UINT, LPVOID)
{
    return TRUE;
}

BOOL WINAPI WTSave(HCTX, LPVOID)
{
    return TRUE;
}

HCTX WINAPI WTRestore(HWND, LPVOID, BOOL)
{
    return nullptr;
}

HMGR WINAPI WTMgrOpen(HWND, UINT)
{
    return nullptr;
}

BOOL WINAPI WTMgrClose(HMGR)
{
    return TRUE;
}

BOOL WINAPI WTMgrContextEnum(HMGR, WTENUMPROC, LPARAM)
{
    return TRUE;
}

HWND WINAPI WTMgrContextOwner(HMGR, HCTX)
{
    return nullptr;
}

HCTX WINAPI WTMgrDefContext(HMGR, BOOL)
{
    return nullptr;
}

UINT WINAPI WTMgrDeviceConfig(HMGR, UINT, HWND)
{
    return 0;
}

BOOL WINAPI WTMgrExt(HMGR, UINT, LPVOID)
{
    return TRUE;
}

BOOL WINAPI WTMgrCsrEnable(HMGR, UINT, BOOL)
{
    return TRUE;
}

BOOL WINAPI WTMgrCsrButtonMap(HMGR, UINT, LPBYTE, LPBYTE)
{
    return TRUE;
}

BOOL WINAPI WTMgrCsrPressureBtnMarks(HMGR, UINT, DWORD, DWORD)
{
    return TRUE;
}

BOOL WINAPI WTMgrCsrPressureResponse(HMGR, UINT, UINT *, UINT *)
{
    return TRUE;
}

BOOL WINAPI WTMgrCsrExt(HMGR, UINT, UINT, LPVOID)
{
    return FALSE;
}

BOOL WINAPI WTMgrCsrPressureBtnMarksEx(HMGR, UINT, UINT *, UINT *)
{
    return TRUE;
}

BOOL WINAPI WTMgrConfigReplaceExA(HMGR, BOOL, LPSTR, LPSTR)
{
    return TRUE;
}

BOOL WINAPI WTMgrConfigReplaceExW(HMGR, BOOL, LPWSTR, LPSTR)
{
    return FALSE;
}

HWTHOOK WINAPI WTMgrPacketHookExA(HMGR, int, LPSTR, LPSTR)
{
    return nullptr;
}

HWTHOOK WINAPI WTMgrPacketHookExW(HMGR, int, LPWSTR, LPSTR)
{
    return nullptr;
}

BOOL WINAPI WTMgrPacketUnhook(HWTHOOK)
{
    return TRUE;
}

LRESULT WINAPI WTMgrPacketHookNext(HWTHOOK, int, WPARAM, LPARAM)
{
    return 0;
}

HCTX WINAPI WTMgrDefContextEx(HMGR, UINT, BOOL)
{
    return nullptr;
}

} // extern "C"
