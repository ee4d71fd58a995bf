#pragma once
// Formats queued pen packets into the packet layout that a context's lcPktData selects.

#include "ipc/WintabBridgeRecords.h"
#include "nibwire/WintabTypes.h"

#include <cstddef>
#include <cstdint>

// One entry of a context's packet ring, as QZTablet writes it into the shared section.
using QueuedPacket = PacketQueueEntry;

namespace PacketFormatter {

// Bytes of one packet for this lcPktData; 0 when it selects nothing.
std::size_t packetSize(WTPKT packetData);

struct Source {
    std::uint32_t handle = 0;
    const LOGCONTEXTA *context = nullptr;
    const QueuedPacket *previous = nullptr; // the ring entry before current
    const QueuedPacket *current = nullptr;
    std::uint32_t tickCount = 0;            // the system millisecond clock now
};

// Writes packetSize(context->lcPktData) bytes to output.
void format(const Source &source, void *output);

// Position scaling from the context's input extent to its output area.
std::int32_t scaleX(std::uint32_t x, const LOGCONTEXTA &context);
std::int32_t scaleY(std::uint32_t y, const LOGCONTEXTA &context);

} // namespace PacketFormatter
