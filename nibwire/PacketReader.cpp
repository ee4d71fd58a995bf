#include "nibwire/PacketReader.h"

#include "nibwire/PacketFormatter.h"

namespace PacketReader {

namespace {

// Formats `count` packets from serial `first` on, one after another.
void formatPackets(const PacketQueue &queue, const ContextSlot &slot, std::uint32_t tickCount,
                   std::uint32_t first, std::uint32_t count, void *buffer)
{
    const LOGCONTEXTA &context = slot.context;
    const std::size_t size = PacketFormatter::packetSize(context.lcPktData);
    auto *out = static_cast<unsigned char *>(buffer);
    for (std::uint32_t n = 0; n < count; ++n) {
        const std::uint32_t serial = first + n;
        PacketFormatter::Source source;
        source.handle = slot.handle;
        source.context = &context;
        source.previous = &queue.ring[PacketRetrieval::previousRingIndex(serial)];
        source.current = &queue.ring[PacketRetrieval::ringIndex(serial)];
        source.tickCount = tickCount;
        PacketFormatter::format(source, out + n * size);
    }
}

} // namespace

int packets(PacketQueue &queue, const ContextSlot &slot, std::uint32_t tickCount, int maxPackets,
            void *buffer, PacketRetrieval::Mode mode)
{
    const PacketRetrieval::Plan plan = PacketRetrieval::packets(
            queue.readIndex, queue.writeCounter, maxPackets, buffer != nullptr, mode);
    if (buffer)
        formatPackets(queue, slot, tickCount, plan.first, plan.count, buffer);
    queue.readIndex = plan.readIndex;
    return int(plan.count);
}

int data(PacketQueue &queue, const ContextSlot &slot, std::uint32_t tickCount,
         std::uint32_t begin, std::uint32_t end, int maxPackets, void *buffer, int *countOut,
         PacketRetrieval::Mode mode)
{
    const PacketRetrieval::DataPlan planned = PacketRetrieval::data(
            queue.readIndex, queue.writeCounter, begin, end, maxPackets, mode);
    if (!planned.valid)
        return 0;
    const PacketRetrieval::Plan &plan = planned.plan;
    if (buffer)
        formatPackets(queue, slot, tickCount, plan.first, plan.count, buffer);
    queue.readIndex = plan.readIndex;
    if (countOut)
        *countOut = int(plan.count);
    return int(plan.count);
}

bool packet(PacketQueue &queue, const ContextSlot &slot, std::uint32_t tickCount,
            std::uint32_t serial, void *buffer)
{
    if (!buffer)
        return false;
    const PacketRetrieval::SerialPlan plan
            = PacketRetrieval::packet(queue.readIndex, queue.writeCounter, serial);
    if (!plan.found)
        return false;
    formatPackets(queue, slot, tickCount, serial, 1, buffer);
    queue.readIndex = plan.readIndex;
    return true;
}

bool queueSpan(const PacketQueue &queue, std::uint32_t *oldest, std::uint32_t *newest)
{
    if (!oldest || !newest)
        return false;
    const PacketRetrieval::QueueSpan span
            = PacketRetrieval::queueSpan(queue.readIndex, queue.writeCounter);
    if (!span.found)
        return false;
    *oldest = span.oldest;
    *newest = span.newest;
    return true;
}

} // namespace PacketReader
