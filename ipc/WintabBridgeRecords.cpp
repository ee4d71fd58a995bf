#include "ipc/WintabBridgeRecords.h"

namespace {

void putLittleEndian(std::uint8_t *bytes, std::uint64_t value, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        bytes[i] = std::uint8_t(value >> (8 * i));
}

std::uint64_t getLittleEndian(const std::uint8_t *bytes, std::size_t width)
{
    std::uint64_t value = 0;
    for (std::size_t i = width; i > 0; --i)
        value = (value << 8) | bytes[i - 1];
    return value;
}

} // namespace

ContextSlot *contextSlotForHandle(void *view, std::uint32_t handle)
{
    if (!view || handle < 1 || handle > kContextCount)
        return nullptr;
    auto *base = static_cast<std::uint8_t *>(view);
    return reinterpret_cast<ContextSlot *>(base + kContextSlotsOffset
                                           + (handle - 1) * kContextSlotSize);
}

PacketQueue *packetQueueAt(void *view, std::uint32_t index)
{
    if (!view || index >= kContextCount)
        return nullptr;
    auto *base = static_cast<std::uint8_t *>(view);
    return reinterpret_cast<PacketQueue *>(base + kPacketQueuesOffset + index * kPacketQueueSize);
}

PacketQueue *packetQueueForHandle(void *view, std::uint32_t handle)
{
    if (handle < 1)
        return nullptr;
    return packetQueueAt(view, handle - 1);
}

void encodePostMessageRecord(const PostMessageRecord &record,
                             std::uint8_t (&bytes)[kPostMessageRecordSize])
{
    putLittleEndian(bytes + offsetof(PostMessageRecord, window), record.window, 8);
    putLittleEndian(bytes + offsetof(PostMessageRecord, message), record.message, 4);
    putLittleEndian(bytes + offsetof(PostMessageRecord, reserved), record.reserved, 4);
    putLittleEndian(bytes + offsetof(PostMessageRecord, wParam), record.wParam, 8);
    putLittleEndian(bytes + offsetof(PostMessageRecord, lParam), record.lParam, 8);
}

bool decodePostMessageRecord(const std::uint8_t *bytes, std::size_t length,
                             PostMessageRecord &record)
{
    if (!bytes || length != kPostMessageRecordSize)
        return false;
    record.window = getLittleEndian(bytes + offsetof(PostMessageRecord, window), 8);
    record.message = std::uint32_t(getLittleEndian(bytes + offsetof(PostMessageRecord, message), 4));
    record.reserved
            = std::uint32_t(getLittleEndian(bytes + offsetof(PostMessageRecord, reserved), 4));
    record.wParam = getLittleEndian(bytes + offsetof(PostMessageRecord, wParam), 8);
    record.lParam = getLittleEndian(bytes + offsetof(PostMessageRecord, lParam), 8);
    return true;
}
