#include "nibwire/PacketReader.h"

#include "nibwire/ContextRecords.h"
#include "nibwire/PacketFormatter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

using PacketRetrieval::Mode;

// PK_SERIAL_NUMBER | PK_BUTTONS | PK_X: 12-byte packets whose first word is the serial.
constexpr WTPKT kPacketData = PK_SERIAL_NUMBER | PK_BUTTONS | PK_X;
constexpr std::size_t kPacketSize = 12;

struct Context {
    ContextSlot slot{};
    std::unique_ptr<PacketQueue> queue = std::make_unique<PacketQueue>();

    Context()
    {
        std::memset(queue.get(), 0, sizeof(PacketQueue));
        slot.handle = 3;
        slot.context.lcPktData = kPacketData;
        slot.context.lcInExtX = 32767;
        slot.context.lcOutExtX = 32767;
    }

    int packets(int maxPackets, void *buffer, Mode mode)
    {
        return PacketReader::packets(*queue, slot, 0, maxPackets, buffer, mode);
    }

    int data(std::uint32_t begin, std::uint32_t end, int maxPackets, void *buffer, int *count,
             Mode mode)
    {
        return PacketReader::data(*queue, slot, 0, begin, end, maxPackets, buffer, count, mode);
    }

    bool packet(std::uint32_t serial, void *buffer)
    {
        return PacketReader::packet(*queue, slot, 0, serial, buffer);
    }

    // QZTablet's side: appends packets with x = serial.
    void publish(std::uint32_t count)
    {
        for (std::uint32_t n = 0; n < count; ++n) {
            PacketQueueEntry &entry = queue->entryFor(queue->writeCounter);
            entry = PacketQueueEntry{};
            entry.serial = queue->writeCounter;
            entry.x = queue->writeCounter % 32768;
            entry.buttonsAndState = 0xA0;
            ++queue->writeCounter;
        }
    }
};

std::uint32_t serialAt(const std::vector<unsigned char> &buffer, std::size_t index)
{
    std::uint32_t serial = 0;
    std::memcpy(&serial, buffer.data() + index * kPacketSize, 4);
    return serial;
}

TEST(PacketReader, GetHandsOutAtMost32InOrderAndLeavesTheRest)
{
    Context context;
    context.publish(50);
    std::vector<unsigned char> buffer(100 * kPacketSize);
    EXPECT_EQ(context.packets(100, buffer.data(), Mode::Get), 32);
    for (std::size_t n = 0; n < 32; ++n)
        EXPECT_EQ(serialAt(buffer, n), n);
    EXPECT_EQ(context.queue->readIndex, 32u);
    EXPECT_EQ(context.packets(100, buffer.data(), Mode::Get), 18);
    EXPECT_EQ(serialAt(buffer, 0), 32u);
    EXPECT_EQ(context.packets(100, buffer.data(), Mode::Get), 0);
}

TEST(PacketReader, PeekLeavesTheQueueAlone)
{
    Context context;
    context.publish(10);
    std::vector<unsigned char> buffer(10 * kPacketSize);
    EXPECT_EQ(context.packets(4, buffer.data(), Mode::Peek), 4);
    EXPECT_EQ(serialAt(buffer, 3), 3u);
    EXPECT_EQ(context.queue->readIndex, 0u);
    // Without a buffer a peek only counts.
    EXPECT_EQ(context.packets(5, nullptr, Mode::Peek), 5);
    EXPECT_EQ(context.queue->readIndex, 0u);
    // And a get skips.
    EXPECT_EQ(context.packets(5, nullptr, Mode::Get), 5);
    EXPECT_EQ(context.queue->readIndex, 5u);
}

TEST(PacketReader, AnOverrunRingIsReadFromTheOldestPacketStillThere)
{
    Context context;
    context.publish(3000);
    std::vector<unsigned char> buffer(32 * kPacketSize);
    std::vector<std::uint32_t> serials;
    while (int count = context.packets(32, buffer.data(), Mode::Get)) {
        for (int n = 0; n < count; ++n)
            serials.push_back(serialAt(buffer, std::size_t(n)));
    }
    ASSERT_EQ(serials.size(), 1024u);
    for (std::size_t n = 0; n < serials.size(); ++n)
        ASSERT_EQ(serials[n], 3000 - 1024 + n);
}

TEST(PacketReader, RelativeButtonsCompareWithThePreviousRingEntryAcrossTheWrap)
{
    Context context;
    context.slot.context.lcPktMode = PK_BUTTONS;
    context.publish(1025);
    context.queue->entryFor(1023).buttonsAndState = 0xA0;
    context.queue->entryFor(1024).buttonsAndState = 0xA1;
    context.queue->readIndex = 1024;
    std::vector<unsigned char> buffer(kPacketSize);
    ASSERT_EQ(context.packets(1, buffer.data(), Mode::Get), 1);
    std::uint32_t buttons = 0;
    std::memcpy(&buttons, buffer.data() + 4, 4);
    EXPECT_EQ(buttons, 0x20001u);
}

TEST(PacketReader, PacketBySerialFormatsThatPacketAndDropsTheOlderOnes)
{
    Context context;
    context.publish(10);
    context.queue->readIndex = 2;
    std::vector<unsigned char> buffer(kPacketSize);
    EXPECT_TRUE(context.packet(6, buffer.data()));
    EXPECT_EQ(serialAt(buffer, 0), 6u);
    EXPECT_EQ(context.queue->readIndex, 7u);
    EXPECT_FALSE(context.packet(6, buffer.data()));
    EXPECT_FALSE(context.packet(10, buffer.data()));
    EXPECT_FALSE(context.packet(8, nullptr));
    EXPECT_EQ(context.queue->readIndex, 7u);
}

TEST(PacketReader, DataTakesAtMostTheRangeLengthAndReportsTheCount)
{
    Context context;
    context.publish(50);
    std::vector<unsigned char> buffer(50 * kPacketSize);
    int count = -1;
    EXPECT_EQ(context.data(100, 102, 40, buffer.data(), &count, Mode::Peek), 3);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(context.queue->readIndex, 0u);
    EXPECT_EQ(context.data(0, 99, 40, buffer.data(), &count, Mode::Get), 40);
    EXPECT_EQ(count, 40);
    EXPECT_EQ(serialAt(buffer, 39), 39u);
    EXPECT_EQ(context.queue->readIndex, 40u);
    EXPECT_EQ(context.data(0, 99, 40, nullptr, nullptr, Mode::Get), 10);
    EXPECT_EQ(context.queue->readIndex, 50u);
    count = -1;
    EXPECT_EQ(context.data(5, 4, 40, buffer.data(), &count, Mode::Get), 0);
    EXPECT_EQ(context.data(0, 4, 0, buffer.data(), &count, Mode::Get), 0);
    EXPECT_EQ(count, -1);
}

TEST(PacketReader, QueueSpanOfAnEmptyQueueIsNothing)
{
    Context context;
    std::uint32_t oldest = 77, newest = 77;
    EXPECT_FALSE(PacketReader::queueSpan(*context.queue, &oldest, &newest));
    EXPECT_EQ(oldest, 77u);
    context.publish(5);
    context.queue->readIndex = 2;
    EXPECT_TRUE(PacketReader::queueSpan(*context.queue, &oldest, &newest));
    EXPECT_EQ(oldest, 2u);
    EXPECT_EQ(newest, 4u);
    EXPECT_FALSE(PacketReader::queueSpan(*context.queue, nullptr, &newest));
}

TEST(PacketReader, PacketsCarryTheContextHandleAndItsScaling)
{
    Context context;
    context.slot.context.lcPktData = PK_CONTEXT | PK_X;
    context.slot.context.lcOutExtX = 1920;
    context.publish(101);
    context.queue->readIndex = 100;
    unsigned char buffer[12] = {};
    ASSERT_EQ(context.packets(1, buffer, Mode::Get), 1);
    std::uint64_t handle = 0;
    std::int32_t x = 0;
    std::memcpy(&handle, buffer, 8);
    std::memcpy(&x, buffer + 8, 4);
    EXPECT_EQ(handle, 3u);
    EXPECT_EQ(x, 6);
}

} // namespace
