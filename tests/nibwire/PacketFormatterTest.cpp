#include "nibwire/PacketFormatter.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

LOGCONTEXTA context(WTPKT packetData, WTPKT packetMode = 0)
{
    LOGCONTEXTA c;
    std::memset(&c, 0, sizeof c);
    c.lcPktData = packetData;
    c.lcPktMode = packetMode;
    c.lcInExtX = 32767;
    c.lcInExtY = 32767;
    c.lcOutExtX = 32767;
    c.lcOutExtY = 32767;
    return c;
}

QueuedPacket entry(std::uint32_t buttons, std::uint32_t x = 0, std::uint32_t y = 0, std::uint32_t pressure = 0)
{
    QueuedPacket p{};
    p.buttonsAndState = buttons;
    p.x = x;
    p.y = y;
    p.pressure = pressure;
    return p;
}

Bytes formatted(const LOGCONTEXTA &c, const QueuedPacket &previous, const QueuedPacket &current,
                std::uint32_t handle = 1, std::uint32_t tick = 0)
{
    const std::size_t size = PacketFormatter::packetSize(c.lcPktData);
    Bytes out(size + 4, 0xCC);
    PacketFormatter::Source source;
    source.handle = handle;
    source.context = &c;
    source.previous = &previous;
    source.current = &current;
    source.tickCount = tick;
    PacketFormatter::format(source, out.data());
    EXPECT_EQ(out[size], 0xCC) << "wrote past the packet";
    out.resize(size);
    return out;
}

std::uint32_t u32At(const Bytes &bytes, std::size_t offset)
{
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

TEST(PacketFormatter, PacketSizeIsTheSumOfTheSelectedFields)
{
    const std::vector<std::pair<WTPKT, std::size_t>> rows = {
        {0, 0},
        {0x1C0, 12},
        {0x1C1, 20},
        {PK_CONTEXT, 8},
        {PK_ORIENTATION, 12},
        {PK_ROTATION, 12},
        {0x15C0, 28},
        {0x3FFF, 76},
        {0x4000 | 0x1C0, 12}, // bits that are not fields are ignored
        {0xFFFFC000, 0},
    };
    for (const auto &[mask, size] : rows)
        EXPECT_EQ(PacketFormatter::packetSize(mask), size) << std::hex << mask;
}

struct ScaleRow {
    std::int32_t inExt;
    std::int32_t outOrg;
    std::int32_t outExt;
    std::uint32_t position;
    std::int32_t expected;
};

TEST(PacketFormatter, XScalesFromTheInputExtentToTheOutputArea)
{
    const std::vector<ScaleRow> rows = {
        {32767, 0, 32767, 16383, 16383},
        {32767, 0, 32767, 0, 0},
        {32767, 0, 1920, 100, 6},         // 5.86 + 0.5 truncated
        {32767, -1920, 3840, 32767, 1920}, // 3840.5 truncated, then the origin
        {32767, -1920, 3840, 0, -1920},
        {32767, 0, -100, 32767, -99},     // -99.5 truncated toward zero
        {0, 250, 1920, 100, 250},         // no input extent: the origin
        {1, 0, INT32_MAX, 0xFFFFFFFF, INT32_MAX},
    };
    for (const ScaleRow &row : rows) {
        LOGCONTEXTA c = context(PK_X);
        c.lcInExtX = row.inExt;
        c.lcOutOrgX = row.outOrg;
        c.lcOutExtX = row.outExt;
        EXPECT_EQ(PacketFormatter::scaleX(row.position, c), row.expected) << row.position << " of " << row.inExt;
    }
}

TEST(PacketFormatter, YIsFlippedForAPositiveOutputExtentOnly)
{
    const std::vector<ScaleRow> rows = {
        {32767, 0, 32767, 0, 32767},
        {32767, 0, 32767, 32767, 0},
        {32767, 0, 32767, 16384, 16383},  // 16383.5 truncated
        {32767, 100, 1080, 32767, 100},
        {32767, 0, 1080, 0, 1080},
        {32767, 0, -1080, 32767, 1080},   // 1080.5 truncated
        {32767, 0, -1080, 0, 0},
        {32767, 40, -1080, 16384, 580},   // 540.02 + 0.5 truncated, then the origin
        {32767, 0, 1080, 40000, 0},       // beyond the input extent: the far edge, no wrap-around
        {0, 30, 1080, 100, 30},
        {0, 30, -1080, 100, 30},
    };
    for (const ScaleRow &row : rows) {
        LOGCONTEXTA c = context(PK_Y);
        c.lcInExtY = row.inExt;
        c.lcOutOrgY = row.outOrg;
        c.lcOutExtY = row.outExt;
        EXPECT_EQ(PacketFormatter::scaleY(row.position, c), row.expected)
            << row.position << " of " << row.inExt << " to " << row.outExt;
    }
}

TEST(PacketFormatter, EveryFieldInAscendingBitOrder)
{
    const LOGCONTEXTA c = context(0x3FFF);
    QueuedPacket current = entry(0x800A1, 16383, 0, 500);
    current.time = 123;
    current.serial = 42;
    current.azimuth = 900;
    current.altitude = 600;
    const Bytes packet = formatted(c, entry(0xA0), current, 7, 1000);
    ASSERT_EQ(packet.size(), 76u);
    std::uint64_t handle = 0;
    std::memcpy(&handle, packet.data(), 8);
    EXPECT_EQ(handle, 7u);
    const std::vector<std::uint32_t> fields = {
        4,          // status: pressure not 0
        1005,       // time: clock + 5
        0x580,      // changed
        42,         // serial
        2,          // cursor: eraser
        1,          // buttons, absolute: tip down
        16383, 32767, 0, // x, y flipped, z
        500, 0,     // normal, tangent pressure
        900, 600, 0, // orientation
        0, 0, 0,    // rotation
    };
    for (std::size_t i = 0; i < fields.size(); ++i)
        EXPECT_EQ(u32At(packet, 8 + i * 4), fields[i]) << "field " << i;
}

TEST(PacketFormatter, ButtonsXAndYMakeTwelveBytes)
{
    const Bytes packet = formatted(context(0x1C0), entry(0xA0), entry(0xA1, 16383, 0, 10));
    ASSERT_EQ(packet.size(), 12u);
    EXPECT_EQ(u32At(packet, 0), 1u);
    EXPECT_EQ(u32At(packet, 4), 16383u);
    EXPECT_EQ(u32At(packet, 8), 32767u);
}

TEST(PacketFormatter, StatusTimeAndCursorFollowTheEntryAndThePacketMode)
{
    const WTPKT mask = PK_STATUS | PK_TIME | PK_CURSOR;
    Bytes packet = formatted(context(mask), entry(0xA0), entry(0xA0, 0, 0, 0), 1, 77);
    EXPECT_EQ(u32At(packet, 0), 0u);
    EXPECT_EQ(u32At(packet, 4), 82u);
    EXPECT_EQ(u32At(packet, 8), 1u);
    packet = formatted(context(mask, PK_TIME), entry(0xA0), entry(0xA1, 0, 0, 1), 1, 77);
    EXPECT_EQ(u32At(packet, 0), 4u);
    EXPECT_EQ(u32At(packet, 4), 5u); // relative time: always 5 ms after the previous packet
    EXPECT_EQ(u32At(packet, 8), 1u);
}

struct ButtonRow {
    std::uint32_t previous;
    std::uint32_t current;
    std::uint32_t expected;
};

TEST(PacketFormatter, RelativeButtonsReportOnlyTheTipGoingDownOrUp)
{
    const std::vector<ButtonRow> rows = {
        {0xA0, 0xA1, 0x20001},
        {0xA1, 0xA0, 0x10001},
        {0x200A0, 0x200A1, 0x20001}, // barrel button bits do not hide the state
        {0xA1, 0xA1, 0},
        {0xA0, 0xA0, 0},
        {0xC0, 0xA1, 0},
        {0xA1, 0xC0, 0},
        {0xC0, 0xA0, 0},
    };
    for (const ButtonRow &row : rows) {
        const Bytes packet = formatted(context(PK_BUTTONS, PK_BUTTONS), entry(row.previous), entry(row.current));
        EXPECT_EQ(u32At(packet, 0), row.expected) << std::hex << row.previous << " -> " << row.current;
    }
}

TEST(PacketFormatter, AbsoluteButtonsSetABitPerPressedButton)
{
    const std::vector<ButtonRow> rows = {
        {0, 0xA1, 1},
        {0, 0x200A0, 2},
        {0, 0x400A0, 4},
        {0, 0x200A1, 3},
        {0, 0x400A1, 5},
        {0, 0x600A0, 6},
        {0, 0x600A1, 7},
        {0, 0xA0, 0},
        {0, 0xC0, 0},
        {0, 0x800A0, 0}, // the eraser bit is no button
        {0, 0xA00A1, 3},
        {0x600A0, 0xA1, 1}, // the previous entry plays no part
        {0x600A1, 0xA0, 0},
    };
    for (const ButtonRow &row : rows) {
        const Bytes packet = formatted(context(PK_BUTTONS), entry(row.previous), entry(row.current));
        EXPECT_EQ(u32At(packet, 0), row.expected) << std::hex << row.current;
    }
}

TEST(PacketFormatter, PressAndReleaseAcrossAStrokeWithRelativeButtons)
{
    const std::vector<std::uint32_t> states = {0xA0, 0xA0, 0xA1, 0xA1, 0xA1, 0xA0, 0xA0, 0xC0};
    const std::vector<std::uint32_t> expected = {0, 0, 0x20001, 0, 0, 0x10001, 0, 0};
    const LOGCONTEXTA c = context(PK_BUTTONS, PK_BUTTONS);
    QueuedPacket previous = entry(0xC0);
    for (std::size_t i = 0; i < states.size(); ++i) {
        const QueuedPacket current = entry(states[i]);
        EXPECT_EQ(u32At(formatted(c, previous, current), 0), expected[i]) << "packet " << i;
        previous = current;
    }
}

} // namespace
