#pragma once

#include "ipc/ApplicationCode.h"

#include <cstddef>
#include <cstdint>

// The records that QZTablet and every loaded Nibwire share: the context slots and packet queues
// of the shared section, and the post request sent over the pipe, with the values that both sides
// read in them. Both the 32-bit and the 64-bit build map the same bytes, so every field has a
// fixed width and pointer-sized values travel as 64-bit integers.

// The context as a Wintab application describes it, laid out byte for byte as the standard's
// LOGCONTEXTA (172 bytes); Nibwire's LOGCONTEXTA is this record.
struct SharedContextRecord
{
    char lcName[40];
    std::uint32_t lcOptions;
    std::uint32_t lcStatus;
    std::uint32_t lcLocks;
    std::uint32_t lcMsgBase;
    std::uint32_t lcDevice;
    std::uint32_t lcPktRate;
    std::uint32_t lcPktData;
    std::uint32_t lcPktMode;
    std::uint32_t lcMoveMask;
    std::uint32_t lcBtnDnMask;
    std::uint32_t lcBtnUpMask;
    std::int32_t lcInOrgX;
    std::int32_t lcInOrgY;
    std::int32_t lcInOrgZ;
    std::int32_t lcInExtX;
    std::int32_t lcInExtY;
    std::int32_t lcInExtZ;
    std::int32_t lcOutOrgX;
    std::int32_t lcOutOrgY;
    std::int32_t lcOutOrgZ;
    std::int32_t lcOutExtX;
    std::int32_t lcOutExtY;
    std::int32_t lcOutExtZ;
    std::uint32_t lcSensX;
    std::uint32_t lcSensY;
    std::uint32_t lcSensZ;
    std::int32_t lcSysMode;
    std::int32_t lcSysOrgX;
    std::int32_t lcSysOrgY;
    std::int32_t lcSysExtX;
    std::int32_t lcSysExtY;
    std::uint32_t lcSysSensX;
    std::uint32_t lcSysSensY;
};

// Bits of the record's lcPktData, lcPktMode and lcMoveMask: the packet fields, as the Wintab
// standard numbers them.
constexpr std::uint32_t PK_CONTEXT = 0x0001;
constexpr std::uint32_t PK_STATUS = 0x0002;
constexpr std::uint32_t PK_TIME = 0x0004;
constexpr std::uint32_t PK_CHANGED = 0x0008;
constexpr std::uint32_t PK_SERIAL_NUMBER = 0x0010;
constexpr std::uint32_t PK_CURSOR = 0x0020;
constexpr std::uint32_t PK_BUTTONS = 0x0040;
constexpr std::uint32_t PK_X = 0x0080;
constexpr std::uint32_t PK_Y = 0x0100;
constexpr std::uint32_t PK_Z = 0x0200;
constexpr std::uint32_t PK_NORMAL_PRESSURE = 0x0400;
constexpr std::uint32_t PK_TANGENT_PRESSURE = 0x0800;
constexpr std::uint32_t PK_ORIENTATION = 0x1000;
constexpr std::uint32_t PK_ROTATION = 0x2000;

// Bits of the record's lcOptions.
constexpr std::uint32_t CXO_SYSTEM = 0x0001;
constexpr std::uint32_t CXO_PEN = 0x0002;
constexpr std::uint32_t CXO_MESSAGES = 0x0004;
constexpr std::uint32_t CXO_CSRMESSAGES = 0x0008;
constexpr std::uint32_t CXO_MGNINSIDE = 0x4000;
constexpr std::uint32_t CXO_MARGIN = 0x8000;

// One Wintab context of one Nibwire process. A slot whose handle is 0 is free.
struct ContextSlot
{
    std::uint64_t ownerProcessId;
    std::uint32_t handle;
    std::int32_t enabled;
    std::uint64_t window;
    std::uint32_t hostMatch;
    ApplicationCode matchedCode;
    // The host code taken from the executable's path is stored in place of context.lcOutExtZ.
    SharedContextRecord context;
    std::uint32_t unused;

    ApplicationCode hostCode() const { return ApplicationCode(context.lcOutExtZ); }
    void setHostCode(ApplicationCode code) { context.lcOutExtZ = std::int32_t(code); }
};

// The pen as QZTablet queues it in PacketQueueEntry::buttonsAndState.
namespace QueuedPen {

// Bits 0-15: the pen's state.
constexpr std::uint32_t kStateMask = 0xFFFF;
constexpr std::uint16_t kInProximity = 0xA0;
constexpr std::uint16_t kTipDown = 0xA1;
constexpr std::uint16_t kOutOfProximity = 0xC0;
// Bits 16-23: the pen's buttons, shifted up from the pen record; bit 19 marks the eraser.
constexpr std::uint32_t kLowerBarrelBit = 0x20000;
constexpr std::uint32_t kUpperBarrelBit = 0x40000;
constexpr std::uint32_t kEraserBit = 0x80000;

} // namespace QueuedPen

struct PacketQueueEntry
{
    std::uint32_t time;
    std::uint32_t serial;
    // Bits 0-15 the pen state, bits 16-23 the pen buttons (bit 19 the eraser).
    std::uint32_t buttonsAndState;
    std::uint32_t x;
    std::uint32_t y;
    std::uint32_t pressure;
    std::uint32_t azimuth;
    std::uint32_t altitude;
    std::uint32_t twist;
};

constexpr std::uint32_t kPacketRingLength = 1024;
constexpr std::uint32_t kPacketRingMask = kPacketRingLength - 1;

// Packets with serials from readIndex up to writeCounter - 1 are waiting; serial s lies at
// ring[s & kPacketRingMask]. The writer does not test for overflow.
struct PacketQueue
{
    std::uint32_t readIndex;
    std::uint32_t writeCounter;
    PacketQueueEntry ring[kPacketRingLength];

    PacketQueueEntry &entryFor(std::uint32_t serial) { return ring[serial & kPacketRingMask]; }
    const PacketQueueEntry &entryFor(std::uint32_t serial) const
    {
        return ring[serial & kPacketRingMask];
    }
};

// The messages that post requests ask for: the Wintab defaults, whatever message base a context
// asked for.
constexpr std::uint32_t WT_PACKET = 0x7FF0;
constexpr std::uint32_t WT_PROXIMITY = 0x7FF5;
constexpr std::uint32_t WT_CSRCHANGE = 0x7FF7;

// The lParam of a WT_PROXIMITY request.
namespace ProximityRequest {

constexpr std::uint32_t kLeaving = 0x10000;
constexpr std::uint32_t kEntering = 0x10001;

} // namespace ProximityRequest

// The only message on the pipe: a request to post `message` to `window`.
struct PostMessageRecord
{
    std::uint64_t window;
    std::uint32_t message;
    std::uint32_t reserved;
    std::uint64_t wParam;
    std::uint64_t lParam;
};

constexpr std::uint32_t kContextCount = 16;
constexpr std::size_t kContextSlotSize = 208;
constexpr std::size_t kPacketQueueEntrySize = 36;
constexpr std::size_t kPacketQueueSize = 36872;
constexpr std::size_t kPostMessageRecordSize = 32;
constexpr std::size_t kContextSlotsOffset = 0;
constexpr std::size_t kPacketQueuesOffset = kContextCount * kContextSlotSize;
constexpr std::size_t kSharedSectionSize = kPacketQueuesOffset + kContextCount * kPacketQueueSize;

static_assert(sizeof(SharedContextRecord) == 172);
static_assert(offsetof(SharedContextRecord, lcOptions) == 40);
static_assert(offsetof(SharedContextRecord, lcOutExtZ) == 128);
static_assert(offsetof(SharedContextRecord, lcSysSensY) == 168);

static_assert(sizeof(ContextSlot) == kContextSlotSize);
static_assert(offsetof(ContextSlot, ownerProcessId) == 0);
static_assert(offsetof(ContextSlot, handle) == 8);
static_assert(offsetof(ContextSlot, enabled) == 12);
static_assert(offsetof(ContextSlot, window) == 16);
static_assert(offsetof(ContextSlot, hostMatch) == 24);
static_assert(offsetof(ContextSlot, matchedCode) == 28);
static_assert(offsetof(ContextSlot, context) == 32);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcName) == 32);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcOptions) == 72);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcStatus) == 76);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcLocks) == 80);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcMsgBase) == 84);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcDevice) == 88);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcPktRate) == 92);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcPktData) == 96);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcPktMode) == 100);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcMoveMask) == 104);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcBtnDnMask) == 108);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcBtnUpMask) == 112);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcInOrgX) == 116);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcInOrgY) == 120);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcInOrgZ) == 124);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcInExtX) == 128);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcInExtY) == 132);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcInExtZ) == 136);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcOutOrgX) == 140);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcOutOrgY) == 144);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcOutOrgZ) == 148);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcOutExtX) == 152);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcOutExtY) == 156);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcOutExtZ) == 160);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcSensX) == 164);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcSensY) == 168);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcSensZ) == 172);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcSysMode) == 176);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcSysOrgX) == 180);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcSysOrgY) == 184);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcSysExtX) == 188);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcSysExtY) == 192);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcSysSensX) == 196);
static_assert(offsetof(ContextSlot, context) + offsetof(SharedContextRecord, lcSysSensY) == 200);
static_assert(offsetof(ContextSlot, unused) == 204);

static_assert(sizeof(PacketQueueEntry) == kPacketQueueEntrySize);
static_assert(offsetof(PacketQueueEntry, time) == 0);
static_assert(offsetof(PacketQueueEntry, serial) == 4);
static_assert(offsetof(PacketQueueEntry, buttonsAndState) == 8);
static_assert(offsetof(PacketQueueEntry, x) == 12);
static_assert(offsetof(PacketQueueEntry, y) == 16);
static_assert(offsetof(PacketQueueEntry, pressure) == 20);
static_assert(offsetof(PacketQueueEntry, azimuth) == 24);
static_assert(offsetof(PacketQueueEntry, altitude) == 28);
static_assert(offsetof(PacketQueueEntry, twist) == 32);

static_assert(sizeof(PacketQueue) == kPacketQueueSize);
static_assert(offsetof(PacketQueue, readIndex) == 0);
static_assert(offsetof(PacketQueue, writeCounter) == 4);
static_assert(offsetof(PacketQueue, ring) == 8);

static_assert(sizeof(PostMessageRecord) == kPostMessageRecordSize);
static_assert(offsetof(PostMessageRecord, window) == 0);
static_assert(offsetof(PostMessageRecord, message) == 8);
static_assert(offsetof(PostMessageRecord, reserved) == 12);
static_assert(offsetof(PostMessageRecord, wParam) == 16);
static_assert(offsetof(PostMessageRecord, lParam) == 24);

static_assert(kPacketQueuesOffset == 3328);
static_assert(kSharedSectionSize == 593280);

// Addresses inside a mapped section. A handle outside 1..16 or an index of 16 or more has no slot
// or queue and gives null, as does a null view.
ContextSlot *contextSlotForHandle(void *view, std::uint32_t handle);
PacketQueue *packetQueueForHandle(void *view, std::uint32_t handle);
PacketQueue *packetQueueAt(void *view, std::uint32_t index);

// The record as the pipe carries it, and back; a buffer of any other length gives false.
void encodePostMessageRecord(const PostMessageRecord &record,
                             std::uint8_t (&bytes)[kPostMessageRecordSize]);
bool decodePostMessageRecord(const std::uint8_t *bytes, std::size_t length,
                             PostMessageRecord &record);
