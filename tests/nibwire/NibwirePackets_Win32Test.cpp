// Packet retrieval through the exports, with the test publishing packets into the context's queue
// the way QZTablet does.
#include "NibwireModule_Win32.h"
#include "SessionBridge_Win32.h"
#include "TestWindow_Win32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Context = NibwireApi::Context;

// 8-byte packets: serial, then pressure.
constexpr WTPKT kPacketData = PK_SERIAL_NUMBER | PK_NORMAL_PRESSURE;
constexpr std::size_t kPacketSize = 8;

std::uint32_t handleOf(Context context)
{
    return std::uint32_t(reinterpret_cast<std::uintptr_t>(context));
}

class NibwirePackets : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bridge.ready());
        ASSERT_TRUE(bridge.clearAll());
        ASSERT_TRUE(module.loaded());
        LOGCONTEXTA record{};
        record.lcPktData = kPacketData;
        record.lcInExtX = record.lcInExtY = 32767;
        record.lcOutExtX = record.lcOutExtY = 32767;
        context = module.openA()(window.handle(), &record, TRUE);
        ASSERT_NE(context, nullptr);
        handle = handleOf(context);
    }

    std::vector<std::uint32_t> serialsIn(const std::vector<unsigned char> &buffer, int count)
    {
        std::vector<std::uint32_t> serials;
        for (int n = 0; n < count; ++n) {
            std::uint32_t serial = 0;
            std::memcpy(&serial, buffer.data() + std::size_t(n) * kPacketSize, 4);
            serials.push_back(serial);
        }
        return serials;
    }

    std::vector<std::uint32_t> serialsFrom(std::uint32_t first, std::uint32_t count)
    {
        std::vector<std::uint32_t> serials;
        for (std::uint32_t n = 0; n < count; ++n)
            serials.push_back(first + n);
        return serials;
    }

    PacketQueue queueNow()
    {
        PacketQueue copy{};
        bridge.editQueue(handle, [&copy](PacketQueue &queue) { copy = queue; });
        return copy;
    }

    SessionBridge bridge;
    NibwireModule module;
    TestWindow window;
    Context context = nullptr;
    std::uint32_t handle = 0;
    std::vector<unsigned char> buffer = std::vector<unsigned char>(2048 * kPacketSize, 0xCC);
};

TEST_F(NibwirePackets, GetTakesAtMost32AndLeavesTheRest)
{
    ASSERT_TRUE(bridge.publish(handle, 50, 321));
    const int taken = module.packetsGet()(context, 100, buffer.data());
    ASSERT_EQ(taken, 32);
    EXPECT_EQ(serialsIn(buffer, taken), serialsFrom(0, 32));
    std::uint32_t pressure = 0;
    std::memcpy(&pressure, buffer.data() + 4, 4);
    EXPECT_EQ(pressure, 321u);
    EXPECT_EQ(module.packetsPeek()(context, 100, nullptr), 18);
    EXPECT_EQ(module.packetsGet()(context, 100, buffer.data()), 18);
    EXPECT_EQ(serialsIn(buffer, 18), serialsFrom(32, 18));
    EXPECT_EQ(module.packetsGet()(context, 100, buffer.data()), 0);
}

TEST_F(NibwirePackets, PeekLooksWithoutTaking)
{
    ASSERT_TRUE(bridge.publish(handle, 10));
    EXPECT_EQ(module.packetsPeek()(context, 4, buffer.data()), 4);
    EXPECT_EQ(serialsIn(buffer, 4), serialsFrom(0, 4));
    EXPECT_EQ(module.packetsPeek()(context, 5, nullptr), 5);
    EXPECT_EQ(queueNow().readIndex, 0u);
    // A get without a buffer skips.
    EXPECT_EQ(module.packetsGet()(context, 5, nullptr), 5);
    EXPECT_EQ(queueNow().readIndex, 5u);
    EXPECT_EQ(module.packetsGet()(context, 0, buffer.data()), 0);
    EXPECT_EQ(module.packetsPeek()(context, -1, buffer.data()), 0);
}

TEST_F(NibwirePackets, PacketBySerialHandsOutThatPacketAndDropsTheOlderOnes)
{
    ASSERT_TRUE(bridge.publish(handle, 10));
    ASSERT_TRUE(module.packet()(context, 6, buffer.data()));
    EXPECT_EQ(serialsIn(buffer, 1), serialsFrom(6, 1));
    EXPECT_EQ(queueNow().readIndex, 7u);
    EXPECT_FALSE(module.packet()(context, 5, buffer.data()));  // dropped
    EXPECT_FALSE(module.packet()(context, 10, buffer.data())); // not yet published
    EXPECT_FALSE(module.packet()(context, 7, nullptr));
    EXPECT_EQ(module.packetsGet()(context, 100, buffer.data()), 3);
    EXPECT_EQ(serialsIn(buffer, 3), serialsFrom(7, 3));
}

TEST_F(NibwirePackets, DataGetAndPeekTakeAtMostTheRangeOfTheOldest)
{
    ASSERT_TRUE(bridge.publish(handle, 50));
    int count = -1;
    EXPECT_EQ(module.dataPeek()(context, 100, 102, 40, buffer.data(), &count), 3);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(serialsIn(buffer, 3), serialsFrom(0, 3));
    EXPECT_EQ(queueNow().readIndex, 0u);
    // No 32-packet limit here.
    EXPECT_EQ(module.dataGet()(context, 0, 99, 40, buffer.data(), &count), 40);
    EXPECT_EQ(count, 40);
    EXPECT_EQ(serialsIn(buffer, 40), serialsFrom(0, 40));
    EXPECT_EQ(queueNow().readIndex, 40u);
    count = -1;
    EXPECT_EQ(module.dataGet()(context, 9, 8, 40, buffer.data(), &count), 0);
    EXPECT_EQ(module.dataGet()(context, 0, 8, 0, buffer.data(), &count), 0);
    EXPECT_EQ(count, -1);
    EXPECT_EQ(module.dataGet()(context, 0, 99, 40, nullptr, nullptr), 10);
    EXPECT_EQ(queueNow().readIndex, 50u);
}

TEST_F(NibwirePackets, QueuePacketsExNamesTheWaitingSerialsAndNothingForAnEmptyQueue)
{
    UINT oldest = 77, newest = 77;
    EXPECT_FALSE(module.queuePacketsEx()(context, &oldest, &newest));
    EXPECT_EQ(oldest, 77u);
    ASSERT_TRUE(bridge.publish(handle, 12));
    ASSERT_EQ(module.packetsGet()(context, 4, nullptr), 4);
    EXPECT_TRUE(module.queuePacketsEx()(context, &oldest, &newest));
    EXPECT_EQ(oldest, 4u);
    EXPECT_EQ(newest, 11u);
    EXPECT_FALSE(module.queuePacketsEx()(context, nullptr, &newest));
}

TEST_F(NibwirePackets, AnOverrunRingIsReadFromTheOldestPacketStillThereInOrder)
{
    ASSERT_TRUE(bridge.publish(handle, 3000));
    UINT oldest = 0, newest = 0;
    ASSERT_TRUE(module.queuePacketsEx()(context, &oldest, &newest));
    EXPECT_EQ(oldest, 3000u - 1024u);
    EXPECT_EQ(newest, 2999u);
    std::vector<std::uint32_t> serials;
    while (const int taken = module.packetsGet()(context, 1000, buffer.data())) {
        const auto some = serialsIn(buffer, taken);
        serials.insert(serials.end(), some.begin(), some.end());
        ASSERT_LE(serials.size(), 1024u);
    }
    EXPECT_EQ(serials, serialsFrom(3000 - 1024, 1024));
}

TEST_F(NibwirePackets, PacketsFollowTheContextsRecord)
{
    LOGCONTEXTA record{};
    ASSERT_TRUE(module.getA()(context, &record));
    record.lcPktData = PK_CONTEXT | PK_X | PK_Y;
    record.lcOutExtX = 1920;
    ASSERT_TRUE(module.setA()(context, &record));
    ASSERT_TRUE(bridge.editQueue(handle, [](PacketQueue &queue) {
        PacketQueueEntry &entry = queue.entryFor(queue.writeCounter);
        entry = PacketQueueEntry{};
        entry.serial = queue.writeCounter++;
        entry.x = 100;
        entry.y = 0;
    }));
    ASSERT_EQ(module.packetsGet()(context, 1, buffer.data()), 1);
    std::uint64_t packetContext = 0;
    std::int32_t x = 0, y = 0;
    std::memcpy(&packetContext, buffer.data(), 8);
    std::memcpy(&x, buffer.data() + 8, 4);
    std::memcpy(&y, buffer.data() + 12, 4);
    EXPECT_EQ(packetContext, handle);
    EXPECT_EQ(x, 6);
    EXPECT_EQ(y, 32767);
    EXPECT_EQ(buffer[16], 0xCC);
}

} // namespace
