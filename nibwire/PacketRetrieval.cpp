#include "nibwire/PacketRetrieval.h"

#include <algorithm>

namespace PacketRetrieval {

Waiting waiting(std::uint32_t readIndex, std::uint32_t writeCounter)
{
    const std::uint32_t behind = writeCounter - readIndex;
    // A read index ahead of the write counter (the queue was reset under it) means nothing waits.
    if (behind > 0x80000000u)
        return {writeCounter, 0};
    if (behind > kRingSize)
        return {writeCounter - kRingSize, kRingSize};
    return {readIndex, behind};
}

Plan packets(std::uint32_t readIndex, std::uint32_t writeCounter, int maxPackets, bool hasBuffer,
             Mode mode)
{
    Plan plan;
    plan.first = readIndex;
    plan.readIndex = readIndex;
    if (maxPackets <= 0)
        return plan;
    const Waiting queued = waiting(readIndex, writeCounter);
    std::uint32_t count = std::min(queued.count, std::uint32_t(maxPackets));
    if (hasBuffer)
        count = std::min(count, kMaxPacketsPerCall);
    plan.first = queued.first;
    plan.count = count;
    if (mode == Mode::Get)
        plan.readIndex = queued.first + count;
    return plan;
}

DataPlan data(std::uint32_t readIndex, std::uint32_t writeCounter, std::uint32_t begin,
              std::uint32_t end, int maxPackets, Mode mode)
{
    DataPlan result;
    result.plan.first = readIndex;
    result.plan.readIndex = readIndex;
    if (end < begin || maxPackets <= 0)
        return result;
    result.valid = true;
    const Waiting queued = waiting(readIndex, writeCounter);
    const std::uint64_t span = std::uint64_t(end) - begin + 1;
    const std::uint64_t count =
        std::min<std::uint64_t>({span, std::uint64_t(maxPackets), std::uint64_t(queued.count)});
    result.plan.first = queued.first;
    result.plan.count = std::uint32_t(count);
    if (mode == Mode::Get)
        result.plan.readIndex = queued.first + std::uint32_t(count);
    return result;
}

SerialPlan packet(std::uint32_t readIndex, std::uint32_t writeCounter, std::uint32_t serial)
{
    const Waiting queued = waiting(readIndex, writeCounter);
    SerialPlan plan;
    plan.readIndex = readIndex;
    if (serial - queued.first < queued.count) {
        plan.found = true;
        plan.readIndex = serial + 1;
    }
    return plan;
}

QueueSpan queueSpan(std::uint32_t readIndex, std::uint32_t writeCounter)
{
    const Waiting queued = waiting(readIndex, writeCounter);
    QueueSpan span;
    if (queued.count == 0)
        return span;
    span.found = true;
    span.oldest = queued.first;
    span.newest = writeCounter - 1;
    return span;
}

} // namespace PacketRetrieval
