#pragma once

#include "engine/wintab/WintabPenRecord.h"
#include "ipc/WintabBridgeRecords.h"

#include <cstdint>
#include <functional>
#include <vector>

// Which Wintab contexts see a pen packet, what lands in their queues and which messages their
// windows are sent. Works on a mapped shared section that the caller has locked; the Windows
// calls (clock, process ids, mutex, pipe) stay with the Wintab driver.
namespace WintabPublishing {

// The values of the shared records that publishing reads and writes.
constexpr std::uint32_t kPacketMessage = WT_PACKET;
constexpr std::uint32_t kProximityMessage = WT_PROXIMITY;
constexpr std::uint32_t kCursorChangeMessage = WT_CSRCHANGE;

constexpr std::uint32_t kOptionMessages = CXO_MESSAGES;
constexpr std::uint32_t kOptionCursorMessages = CXO_CSRMESSAGES;
constexpr std::uint32_t kPacketModeButtonsRelative = PK_BUTTONS;
constexpr std::uint32_t kMoveMaskCursor = PK_CURSOR;
constexpr std::uint32_t kEraserBit = QueuedPen::kEraserBit;

constexpr std::uint16_t kStateOutOfProximity = QueuedPen::kOutOfProximity;
constexpr std::uint32_t kLeavingProximity = ProximityRequest::kLeaving;
constexpr std::uint32_t kEnteringProximity = ProximityRequest::kEntering;

// Applications with a rule of their own.
constexpr ApplicationCode kForegroundOnlyCode = 1;
constexpr ApplicationCode kNoInkCode = 258;
constexpr ApplicationCode kPointerOnlyCodeA = 208;
constexpr ApplicationCode kPointerOnlyCodeB = 209;
constexpr ApplicationCode kNoAlternativePositionCode = 18;
constexpr ApplicationCode kMouseHostCode = 1542;

enum class Proximity { Unchanged, Entering, Leaving };

Proximity transition(std::uint16_t previousState, std::uint16_t currentState);

// The queue entry of a record before a context's position, buttons and serial are put in.
PacketQueueEntry makeEntry(const WintabPenRecord &record, std::uint32_t time);

struct Facts
{
    std::uint32_t ownProcessId = 0;
    // Asked at most once per packet, and only when a context's rule depends on the foreground
    // application: the question costs a round trip to the window system.
    std::function<std::uint32_t()> foregroundProcessId;
    // Counts every packet offered to Wintab; contexts of the pointer-only applications hold
    // pointer output back on odd counts.
    std::uint32_t packetCounter = 0;
};

struct Outcome
{
    bool pointerOutputWanted = true;
    int foregroundHostCode = int(kUnrecognisedApplicationCode);
    // To be sent after the section is unlocked, in this order.
    std::vector<PostMessageRecord> requests;
};

// Queues `entry` for every context of the section that should see the record and collects the
// post requests for their windows. A null view publishes nothing.
Outcome publish(void *view, const WintabPenRecord &record, const PacketQueueEntry &entry,
                Proximity proximity, const Facts &facts);

} // namespace WintabPublishing
