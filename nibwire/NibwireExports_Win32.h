#pragma once
// The Wintab 1.1 functions that the library exports (by name and ordinal, see Nibwire.def).
#include "nibwire/WintabTypes.h"

#include <windows.h>

extern "C" {

using WTENUMPROC = BOOL(WINAPI *)(HCTX, LPARAM);

UINT WINAPI WTInfoA(UINT category, UINT index, LPVOID output);
UINT WINAPI WTInfoW(UINT category, UINT index, LPVOID output);
HCTX WINAPI WTOpenA(HWND window, LOGCONTEXTA *context, BOOL enable);
HCTX WINAPI WTOpenW(HWND window, LOGCONTEXTW *context, BOOL enable);
BOOL WINAPI WTClose(HCTX context);
int WINAPI WTPacketsGet(HCTX context, int maxPackets, LPVOID packets);
BOOL WINAPI WTPacket(HCTX context, UINT serial, LPVOID packet);
BOOL WINAPI WTEnable(HCTX context, BOOL enable);
BOOL WINAPI WTOverlap(HCTX context, BOOL toTop);
BOOL WINAPI WTConfig(HCTX context, HWND window);
BOOL WINAPI WTGetA(HCTX context, LOGCONTEXTA *record);
BOOL WINAPI WTGetW(HCTX context, LOGCONTEXTW *record);
BOOL WINAPI WTSetA(HCTX context, LOGCONTEXTA *record);
BOOL WINAPI WTSetW(HCTX context, LOGCONTEXTW *record);
BOOL WINAPI WTExtGet(HCTX context, UINT extension, LPVOID data);
BOOL WINAPI WTExtSet(HCTX context, UINT extension, LPVOID data);
BOOL WINAPI WTSave(HCTX context, LPVOID saveInfo);
HCTX WINAPI WTRestore(HWND window, LPVOID saveInfo, BOOL enable);
int WINAPI WTPacketsPeek(HCTX context, int maxPackets, LPVOID packets);
int WINAPI WTDataGet(HCTX context, UINT begin, UINT end, int maxPackets, LPVOID packets,
                     LPINT count);
int WINAPI WTDataPeek(HCTX context, UINT begin, UINT end, int maxPackets, LPVOID packets,
                      LPINT count);
int WINAPI WTQueueSizeGet(HCTX context);
BOOL WINAPI WTQueueSizeSet(HCTX context, int size);
HMGR WINAPI WTMgrOpen(HWND window, UINT messageBase);
BOOL WINAPI WTMgrClose(HMGR manager);
BOOL WINAPI WTMgrContextEnum(HMGR manager, WTENUMPROC enumerate, LPARAM parameter);
HWND WINAPI WTMgrContextOwner(HMGR manager, HCTX context);
HCTX WINAPI WTMgrDefContext(HMGR manager, BOOL system);
UINT WINAPI WTMgrDeviceConfig(HMGR manager, UINT device, HWND window);
BOOL WINAPI WTMgrExt(HMGR manager, UINT extension, LPVOID data);
BOOL WINAPI WTMgrCsrEnable(HMGR manager, UINT cursor, BOOL enable);
BOOL WINAPI WTMgrCsrButtonMap(HMGR manager, UINT cursor, LPBYTE logical, LPBYTE system);
BOOL WINAPI WTMgrCsrPressureBtnMarks(HMGR manager, UINT cursor, DWORD normal, DWORD tangent);
BOOL WINAPI WTMgrCsrPressureResponse(HMGR manager, UINT cursor, UINT *normal, UINT *tangent);
BOOL WINAPI WTMgrCsrExt(HMGR manager, UINT cursor, UINT extension, LPVOID data);
BOOL WINAPI WTQueuePacketsEx(HCTX context, UINT *oldest, UINT *newest);
BOOL WINAPI WTMgrCsrPressureBtnMarksEx(HMGR manager, UINT cursor, UINT *normal, UINT *tangent);
BOOL WINAPI WTMgrConfigReplaceExA(HMGR manager, BOOL install, LPSTR module, LPSTR procedure);
BOOL WINAPI WTMgrConfigReplaceExW(HMGR manager, BOOL install, LPWSTR module, LPSTR procedure);
HWTHOOK WINAPI WTMgrPacketHookExA(HMGR manager, int type, LPSTR module, LPSTR procedure);
HWTHOOK WINAPI WTMgrPacketHookExW(HMGR manager, int type, LPWSTR module, LPSTR procedure);
BOOL WINAPI WTMgrPacketUnhook(HWTHOOK hook);
LRESULT WINAPI WTMgrPacketHookNext(HWTHOOK hook, int code, WPARAM wParam, LPARAM lParam);
HCTX WINAPI WTMgrDefContextEx(HMGR manager, UINT device, BOOL system);

} // extern "C"
