#include "nibwire/PacketCalls_Win32.h"

#include "nibwire/OwnedContext_Win32.h"
#include "nibwire/PacketReader.h"

PacketCalls::PacketCalls(WintabSharedSection &section, const ContextMap &contexts)
    : section(section), contexts(contexts)
{}

int PacketCalls::packetsGet(std::uint32_t handle, int maxPackets, void *buffer)
{
    return packets(handle, maxPackets, buffer, PacketRetrieval::Mode::Get);
}

int PacketCalls::packetsPeek(std::uint32_t handle, int maxPackets, void *buffer)
{
    return packets(handle, maxPackets, buffer, PacketRetrieval::Mode::Peek);
}

int PacketCalls::packets(std::uint32_t handle, int maxPackets, void *buffer,
                         PacketRetrieval::Mode mode)
{
    if (maxPackets <= 0)
        return 0;
    OwnedContext owned(section, contexts, handle);
    if (owned.access() == OwnedContext::Access::LockFailed) {
        MessageBoxA(nullptr, "Wintab lock fail", "", MB_OK);
        return 0;
    }
    if (!owned.owned())
        return 0;
    return PacketReader::packets(owned.queue(), owned.slot(), GetTickCount(), maxPackets, buffer,
                                 mode);
}

BOOL PacketCalls::packet(std::uint32_t handle, UINT serial, void *buffer)
{
    OwnedContext owned(section, contexts, handle);
    if (!owned.owned())
        return FALSE;
    return PacketReader::packet(owned.queue(), owned.slot(), GetTickCount(), serial, buffer);
}

int PacketCalls::dataGet(std::uint32_t handle, UINT begin, UINT end, int maxPackets,
                         void *buffer, int *countOut)
{
    return data(handle, begin, end, maxPackets, buffer, countOut, PacketRetrieval::Mode::Get);
}

int PacketCalls::dataPeek(std::uint32_t handle, UINT begin, UINT end, int maxPackets,
                          void *buffer, int *countOut)
{
    return data(handle, begin, end, maxPackets, buffer, countOut, PacketRetrieval::Mode::Peek);
}

int PacketCalls::data(std::uint32_t handle, UINT begin, UINT end, int maxPackets, void *buffer,
                      int *countOut, PacketRetrieval::Mode mode)
{
    if (end < begin || maxPackets <= 0)
        return 0;
    OwnedContext owned(section, contexts, handle);
    if (!owned.owned())
        return 0;
    return PacketReader::data(owned.queue(), owned.slot(), GetTickCount(), begin, end, maxPackets,
                              buffer, countOut, mode);
}

BOOL PacketCalls::queuePacketsEx(std::uint32_t handle, UINT *oldest, UINT *newest)
{
    if (!oldest || !newest)
        return FALSE;
    OwnedContext owned(section, contexts, handle);
    if (!owned.owned())
        return FALSE;
    return PacketReader::queueSpan(owned.queue(), oldest, newest);
}
