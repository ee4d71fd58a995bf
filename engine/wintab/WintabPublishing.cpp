#include "engine/wintab/WintabPublishing.h"

#include "engine/pen/TiltOrientation.h"

#include <optional>

namespace WintabPublishing {

namespace {

bool hasBits(std::uint32_t value, std::uint32_t bits)
{
    return (value & bits) == bits;
}

bool isPointerOnly(ApplicationCode code)
{
    return code == kPointerOnlyCodeA || code == kPointerOnlyCodeB;
}

bool usesAlternativePosition(const ContextSlot &slot)
{
    return slot.hostMatch == 1 && slot.matchedCode != kForegroundOnlyCode
           && slot.matchedCode != kNoAlternativePositionCode;
}

std::uint32_t buttonsAndState(const ContextSlot &slot, const WintabPenRecord &record)
{
    std::uint32_t value = record.state;
    if (!hasBits(slot.context.lcPktMode, kPacketModeButtonsRelative))
        value |= std::uint32_t(record.buttons & 0xFF) << 16;
    if (hasBits(slot.context.lcMoveMask, kMoveMaskCursor) && record.eraser
        && slot.hostCode() != kMouseHostCode)
        value |= kEraserBit;
    return value;
}

PostMessageRecord request(const ContextSlot &slot, std::uint32_t message, std::uint64_t wParam,
                          std::uint64_t lParam)
{
    PostMessageRecord record{};
    record.window = slot.window;
    record.message = message;
    record.wParam = wParam;
    record.lParam = lParam;
    return record;
}

void addRequests(const ContextSlot &slot, std::uint32_t serial, Proximity proximity,
                 std::vector<PostMessageRecord> &requests)
{
    const bool cursorMessages = hasBits(slot.context.lcOptions, kOptionCursorMessages);
    if (proximity == Proximity::Leaving && cursorMessages)
        requests.push_back(request(slot, kCursorChangeMessage, serial, slot.handle));
    if (proximity != Proximity::Unchanged) {
        const std::uint32_t lParam =
                proximity == Proximity::Entering ? kEnteringProximity : kLeavingProximity;
        requests.push_back(request(slot, kProximityMessage, slot.handle, lParam));
    }
    if (proximity == Proximity::Entering && cursorMessages)
        requests.push_back(request(slot, kCursorChangeMessage, serial, slot.handle));
    if (hasBits(slot.context.lcOptions, kOptionMessages))
        requests.push_back(request(slot, kPacketMessage, serial, slot.handle));
}

void append(PacketQueue &queue, PacketQueueEntry entry)
{
    entry.serial = queue.writeCounter;
    queue.entryFor(entry.serial) = entry;
    queue.writeCounter += 1;
}

} // namespace

Proximity transition(std::uint16_t previousState, std::uint16_t currentState)
{
    const bool wasOut = previousState == kStateOutOfProximity;
    const bool isOut = currentState == kStateOutOfProximity;
    if (!wasOut && isOut)
        return Proximity::Leaving;
    if (wasOut && !isOut)
        return Proximity::Entering;
    return Proximity::Unchanged;
}

PacketQueueEntry makeEntry(const WintabPenRecord &record, std::uint32_t time)
{
    const TiltOrientation::Orientation orientation =
            TiltOrientation::fromTilt(record.tiltX, record.tiltY);
    PacketQueueEntry entry{};
    entry.time = time;
    entry.x = std::uint32_t(record.x);
    entry.y = std::uint32_t(record.y);
    entry.pressure = record.pressure;
    entry.azimuth = orientation.azimuth;
    entry.altitude = orientation.altitude;
    entry.twist = 0;
    return entry;
}

Outcome publish(void *view, const WintabPenRecord &record, const PacketQueueEntry &entry,
                Proximity proximity, const Facts &facts)
{
    Outcome outcome;
    if (!view)
        return outcome;
    std::optional<std::uint32_t> foreground;
    auto inForeground = [&](const ContextSlot &slot) {
        if (!foreground)
            foreground = facts.foregroundProcessId ? facts.foregroundProcessId() : 0;
        return slot.ownerProcessId == *foreground;
    };
    for (std::uint32_t handle = 1; handle <= kContextCount; ++handle) {
        ContextSlot &slot = *contextSlotForHandle(view, handle);
        if (slot.window == 0 || slot.handle == 0)
            continue;
        if (slot.ownerProcessId == facts.ownProcessId)
            continue;
        const ApplicationCode code = slot.matchedCode;
        if (code == kForegroundOnlyCode) {
            if (!inForeground(slot))
                continue;
            outcome.pointerOutputWanted = false;
        }
        if (slot.hostCode() == kMouseHostCode && inForeground(slot))
            outcome.foregroundHostCode = int(kMouseHostCode);
        if (record.ink && code == kNoInkCode)
            continue;
        if (isPointerOnly(code)) {
            if (facts.packetCounter % 2 == 1)
                outcome.pointerOutputWanted = false;
            continue;
        }
        PacketQueue *queue = packetQueueForHandle(view, handle);
        PacketQueueEntry queued = entry;
        if (usesAlternativePosition(slot)) {
            queued.x = std::uint32_t(record.alternativeX);
            queued.y = std::uint32_t(record.alternativeY);
        }
        queued.buttonsAndState = buttonsAndState(slot, record);
        append(*queue, queued);
        addRequests(slot, queue->writeCounter - 1, proximity, outcome.requests);
    }
    return outcome;
}

} // namespace WintabPublishing
