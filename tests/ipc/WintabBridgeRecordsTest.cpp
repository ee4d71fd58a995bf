// The byte layout that the 32-bit and the 64-bit build must agree on.
#include "ipc/WintabBridgeRecords.h"

#include <gmock/gmock.h>

#include <cstddef>
#include <cstring>
#include <vector>

using testing::ElementsAreArray;

namespace {

struct FieldPlace
{
    const char *field;
    std::size_t actual;
    std::size_t expected;
};

#define PLACE(type, field, expected) FieldPlace{#type "." #field, offsetof(type, field), expected}
#define SLOT_CONTEXT(field, expected)                                                          \
    FieldPlace{"ContextSlot.context." #field,                                                  \
               offsetof(ContextSlot, context) + offsetof(SharedContextRecord, field), expected}

const FieldPlace kPlaces[] = {
        PLACE(ContextSlot, ownerProcessId, 0),
        PLACE(ContextSlot, handle, 8),
        PLACE(ContextSlot, enabled, 12),
        PLACE(ContextSlot, window, 16),
        PLACE(ContextSlot, hostMatch, 24),
        PLACE(ContextSlot, matchedCode, 28),
        SLOT_CONTEXT(lcName, 32),
        SLOT_CONTEXT(lcOptions, 72),
        SLOT_CONTEXT(lcStatus, 76),
        SLOT_CONTEXT(lcLocks, 80),
        SLOT_CONTEXT(lcMsgBase, 84),
        SLOT_CONTEXT(lcDevice, 88),
        SLOT_CONTEXT(lcPktRate, 92),
        SLOT_CONTEXT(lcPktData, 96),
        SLOT_CONTEXT(lcPktMode, 100),
        SLOT_CONTEXT(lcMoveMask, 104),
        SLOT_CONTEXT(lcBtnDnMask, 108),
        SLOT_CONTEXT(lcBtnUpMask, 112),
        SLOT_CONTEXT(lcInOrgX, 116),
        SLOT_CONTEXT(lcInOrgY, 120),
        SLOT_CONTEXT(lcInOrgZ, 124),
        SLOT_CONTEXT(lcInExtX, 128),
        SLOT_CONTEXT(lcInExtY, 132),
        SLOT_CONTEXT(lcInExtZ, 136),
        SLOT_CONTEXT(lcOutOrgX, 140),
        SLOT_CONTEXT(lcOutOrgY, 144),
        SLOT_CONTEXT(lcOutOrgZ, 148),
        SLOT_CONTEXT(lcOutExtX, 152),
        SLOT_CONTEXT(lcOutExtY, 156),
        SLOT_CONTEXT(lcOutExtZ, 160),
        SLOT_CONTEXT(lcSensX, 164),
        SLOT_CONTEXT(lcSensY, 168),
        SLOT_CONTEXT(lcSensZ, 172),
        SLOT_CONTEXT(lcSysMode, 176),
        SLOT_CONTEXT(lcSysOrgX, 180),
        SLOT_CONTEXT(lcSysOrgY, 184),
        SLOT_CONTEXT(lcSysExtX, 188),
        SLOT_CONTEXT(lcSysExtY, 192),
        SLOT_CONTEXT(lcSysSensX, 196),
        SLOT_CONTEXT(lcSysSensY, 200),
        PLACE(ContextSlot, unused, 204),
        PLACE(PacketQueueEntry, time, 0),
        PLACE(PacketQueueEntry, serial, 4),
        PLACE(PacketQueueEntry, buttonsAndState, 8),
        PLACE(PacketQueueEntry, x, 12),
        PLACE(PacketQueueEntry, y, 16),
        PLACE(PacketQueueEntry, pressure, 20),
        PLACE(PacketQueueEntry, azimuth, 24),
        PLACE(PacketQueueEntry, altitude, 28),
        PLACE(PacketQueueEntry, twist, 32),
        PLACE(PacketQueue, readIndex, 0),
        PLACE(PacketQueue, writeCounter, 4),
        PLACE(PacketQueue, ring, 8),
        PLACE(PostMessageRecord, window, 0),
        PLACE(PostMessageRecord, message, 8),
        PLACE(PostMessageRecord, reserved, 12),
        PLACE(PostMessageRecord, wParam, 16),
        PLACE(PostMessageRecord, lParam, 24),
};

TEST(WintabBridgeRecords, everyFieldLiesAtItsOffset)
{
    for (const FieldPlace &place : kPlaces)
        EXPECT_EQ(place.actual, place.expected) << place.field;
}

TEST(WintabBridgeRecords, recordsHaveTheirSharedSizes)
{
    EXPECT_EQ(sizeof(ContextSlot), 208u);
    EXPECT_EQ(sizeof(SharedContextRecord), 172u);
    EXPECT_EQ(sizeof(PacketQueueEntry), 36u);
    EXPECT_EQ(sizeof(PacketQueue), 36872u);
    EXPECT_EQ(sizeof(PostMessageRecord), 32u);
    EXPECT_EQ(kSharedSectionSize, 593280u);
}

TEST(WintabBridgeRecords, hostCodeOccupiesTheOutputExtentZOfTheStoredContext)
{
    ContextSlot slot{};
    slot.setHostCode(kUnrecognisedApplicationCode);
    std::uint32_t atOffset160 = 0;
    std::memcpy(&atOffset160, reinterpret_cast<const std::uint8_t *>(&slot) + 160, 4);
    EXPECT_EQ(atOffset160, 0xFFFFu);
    EXPECT_EQ(slot.context.lcOutExtZ, 0xFFFF);
    EXPECT_EQ(slot.hostCode(), kUnrecognisedApplicationCode);
}

struct SlotAddress
{
    std::uint32_t handle;
    std::ptrdiff_t slotOffset; // -1: none
    std::ptrdiff_t queueOffset;
};

class SectionAddresses : public testing::TestWithParam<SlotAddress>
{};

TEST_P(SectionAddresses, handleAddressesItsSlotAndQueue)
{
    std::vector<std::uint8_t> section(kSharedSectionSize);
    void *view = section.data();
    const SlotAddress &expected = GetParam();
    auto offsetOf = [&](const void *address) {
        return address ? static_cast<const std::uint8_t *>(address) - section.data()
                       : std::ptrdiff_t(-1);
    };
    EXPECT_EQ(offsetOf(contextSlotForHandle(view, expected.handle)), expected.slotOffset);
    EXPECT_EQ(offsetOf(packetQueueForHandle(view, expected.handle)), expected.queueOffset);
}

INSTANTIATE_TEST_SUITE_P(WintabBridgeRecords, SectionAddresses,
                         testing::Values(SlotAddress{0, -1, -1}, SlotAddress{1, 0, 3328},
                                         SlotAddress{2, 208, 3328 + 36872},
                                         SlotAddress{16, 3120, 556408},
                                         SlotAddress{17, -1, -1},
                                         SlotAddress{0xFFFFFFFFu, -1, -1}));

TEST(WintabBridgeRecords, lastQueueEndsAtTheEndOfTheSection)
{
    std::vector<std::uint8_t> section(kSharedSectionSize);
    const PacketQueue *last = packetQueueAt(section.data(), 15);
    const auto *end = reinterpret_cast<const std::uint8_t *>(last + 1);
    EXPECT_EQ(end - section.data(), std::ptrdiff_t(593280));
}

TEST(WintabBridgeRecords, queueIndexOfSixteenOrMoreHasNoQueue)
{
    std::vector<std::uint8_t> section(kSharedSectionSize);
    EXPECT_NE(packetQueueAt(section.data(), 15), nullptr);
    EXPECT_EQ(packetQueueAt(section.data(), 16), nullptr);
    EXPECT_EQ(packetQueueAt(section.data(), 1000), nullptr);
    EXPECT_EQ(packetQueueAt(nullptr, 0), nullptr);
    EXPECT_EQ(contextSlotForHandle(nullptr, 1), nullptr);
}

TEST(WintabBridgeRecords, packetOfSerial1024OverwritesThatOfSerial0)
{
    std::vector<std::uint8_t> section(kSharedSectionSize);
    PacketQueue &queue = *packetQueueAt(section.data(), 0);
    for (std::uint32_t serial = 0; serial < 1025; ++serial) {
        PacketQueueEntry &entry = queue.entryFor(queue.writeCounter);
        entry.serial = serial;
        ++queue.writeCounter;
    }
    EXPECT_EQ(queue.entryFor(0).serial, 1024u);
    EXPECT_EQ(&queue.entryFor(0), &queue.entryFor(1024));
    EXPECT_EQ(queue.entryFor(1023).serial, 1023u);
}

TEST(WintabBridgeRecords, postMessageRecordTravelsLittleEndian)
{
    const PostMessageRecord record{0x0102030405060708ull, 0x7FF0, 0, 0x1122334455667788ull,
                                   0x99AABBCCDDEEFF00ull};
    std::uint8_t bytes[kPostMessageRecordSize];
    encodePostMessageRecord(record, bytes);
    const std::uint8_t expected[kPostMessageRecordSize] = {
            0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01, 0xF0, 0x7F, 0, 0, 0, 0, 0, 0,
            0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11, 0x00, 0xFF, 0xEE, 0xDD, 0xCC, 0xBB, 0xAA, 0x99};
    EXPECT_THAT(bytes, ElementsAreArray(expected));

    PostMessageRecord decoded{};
    ASSERT_TRUE(decodePostMessageRecord(bytes, sizeof(bytes), decoded));
    EXPECT_EQ(decoded.window, record.window);
    EXPECT_EQ(decoded.message, record.message);
    EXPECT_EQ(decoded.wParam, record.wParam);
    EXPECT_EQ(decoded.lParam, record.lParam);
}

TEST(WintabBridgeRecords, recordOfAnyOtherLengthIsNotDecoded)
{
    const std::uint8_t bytes[33] = {};
    PostMessageRecord decoded{};
    for (std::size_t length : {std::size_t(0), std::size_t(16), std::size_t(31), std::size_t(33)})
        EXPECT_FALSE(decodePostMessageRecord(bytes, length, decoded)) << length;
    EXPECT_FALSE(decodePostMessageRecord(nullptr, 32, decoded));
}

} // namespace
