#pragma once
// The Wintab calls that hand out the packets QZTablet queued for this process's contexts.
#include "ipc/WintabSharedSection_Win32.h"
#include "nibwire/ContextMap.h"
#include "nibwire/PacketRetrieval.h"

#include <windows.h>

#include <cstdint>

class PacketCalls
{
public:
    PacketCalls(WintabSharedSection &section, const ContextMap &contexts);

    int packetsGet(std::uint32_t handle, int maxPackets, void *buffer);
    int packetsPeek(std::uint32_t handle, int maxPackets, void *buffer);
    BOOL packet(std::uint32_t handle, UINT serial, void *buffer);
    int dataGet(std::uint32_t handle, UINT begin, UINT end, int maxPackets, void *buffer,
                int *countOut);
    int dataPeek(std::uint32_t handle, UINT begin, UINT end, int maxPackets, void *buffer,
                 int *countOut);
    BOOL queuePacketsEx(std::uint32_t handle, UINT *oldest, UINT *newest);

private:
    int packets(std::uint32_t handle, int maxPackets, void *buffer, PacketRetrieval::Mode mode);
    int data(std::uint32_t handle, UINT begin, UINT end, int maxPackets, void *buffer,
             int *countOut, PacketRetrieval::Mode mode);

    WintabSharedSection &section;
    const ContextMap &contexts;
};
