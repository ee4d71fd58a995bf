#pragma once
// The retrieval calls on one context's queue, under the section's lock: which packets they take
// (PacketRetrieval), formatted by the context's record (PacketFormatter) into the caller's buffer.
#include "ipc/WintabBridgeRecords.h"
#include "nibwire/PacketRetrieval.h"

#include <cstdint>

namespace PacketReader {

// WTPacketsGet / WTPacketsPeek: the number of packets handed out, or skipped or counted without a
// buffer.
int packets(PacketQueue &queue, const ContextSlot &slot, std::uint32_t tickCount, int maxPackets,
            void *buffer, PacketRetrieval::Mode mode);

// WTDataGet / WTDataPeek: the number of packets; *countOut (when given) gets it too. A range with
// end < begin or no positive maxPackets gives 0 and leaves *countOut alone.
int data(PacketQueue &queue, const ContextSlot &slot, std::uint32_t tickCount,
         std::uint32_t begin, std::uint32_t end, int maxPackets, void *buffer, int *countOut,
         PacketRetrieval::Mode mode);

// WTPacket: formats the waiting packet of `serial` and drops it with every older one.
bool packet(PacketQueue &queue, const ContextSlot &slot, std::uint32_t tickCount,
            std::uint32_t serial, void *buffer);

// WTQueuePacketsEx: the oldest and newest waiting serials; false for an empty queue.
bool queueSpan(const PacketQueue &queue, std::uint32_t *oldest, std::uint32_t *newest);

} // namespace PacketReader
