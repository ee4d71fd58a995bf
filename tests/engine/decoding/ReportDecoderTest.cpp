#include "engine/decoding/ReportDecoder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

namespace {

TabletDeviceInfo deviceWithWidth(std::uint16_t coordinateWidth)
{
    TabletDeviceInfo device;
    device.coordinateWidth = coordinateWidth;
    return device;
}

TabletDeviceInfo deviceWithKeys(std::uint16_t keyCount, std::uint16_t dialKeyCount,
                                bool keysActAsDialModel = false)
{
    TabletDeviceInfo device = deviceWithWidth(2);
    device.keyCount = keyCount;
    device.dialKeyCount = dialKeyCount;
    device.keysActAsDialModel = keysActAsDialModel;
    return device;
}

std::shared_ptr<TabletPacket> decode(const Bytes &report, const TabletDeviceInfo &device)
{
    return ReportDecoder::decodeReport(report.data(), report.size(), device).toShared();
}

// One line per packet, so that a table row and its failure read alike.
std::string describe(const std::shared_ptr<TabletPacket> &packet)
{
    if (!packet)
        return "none";
    if (const auto *key = dynamic_cast<const TabletKeyPacket *>(packet.get())) {
        return "key " + std::to_string(key->key) + " pressed " + std::to_string(key->pressed)
               + " virtual " + std::to_string(key->isVirtual);
    }
    if (const auto *dial = dynamic_cast<const TabletDialPacket *>(packet.get())) {
        return "dial " + std::to_string(dial->index) + " direction "
               + std::to_string(dial->direction);
    }
    if (const auto *touch = dynamic_cast<const TabletTouchPacket *>(packet.get())) {
        return "touch strip " + std::to_string(touch->strip) + " position "
               + std::to_string(touch->position);
    }
    return "pen";
}

Bytes keyReport(std::uint8_t subKind, std::uint8_t pressed, std::uint32_t bits)
{
    return {0x09,
            0x42,
            subKind,
            pressed,
            std::uint8_t(bits),
            std::uint8_t(bits >> 8),
            std::uint8_t(bits >> 16),
            std::uint8_t(bits >> 24),
            0x00};
}

Bytes expressKeyPress(std::uint16_t key)
{
    return keyReport(1, 1, std::uint32_t(1) << (key - 1));
}

Bytes dialStep(std::uint8_t step)
{
    return {0x09, 0x42, 0x03, 0x01, step, 0x00, 0x00, 0x00, 0x00};
}

Bytes touchReport(std::uint8_t touching, std::uint8_t positions)
{
    return {0x09, 0x43, touching, positions, 0x00, 0x00, 0x00, 0x00, 0x00};
}

// Width-2 pen report with a full 13 bytes: x 0x0102, y 0x0304, pressure 0x0506, tilt 0.
Bytes penReport(std::uint8_t status)
{
    return {0x09, 0x41, status, 0x02, 0x01, 0x04, 0x03, 0x06, 0x05, 0x00, 0x00, 0x00, 0x00};
}

const Bytes kWidth2PenReport = penReport(0xA1);
const Bytes kExpressKeyReport = keyReport(1, 1, 0x01);
const Bytes kTouchReport = touchReport(1, 0x01);

} // namespace

TEST(ReportDecoder, DropsEveryReportThatFailsTheHeaderChecks)
{
    struct Row
    {
        const char *what;
        Bytes report;
        std::uint16_t width;
    };
    const std::vector<Row> rows = {
        {"8-byte report", {0x09, 0x41, 0xA1, 0x02, 0x01, 0x04, 0x03, 0x06}, 2},
        {"empty report", {}, 2},
        {"report id 8", {0x08, 0x41, 0xA1, 0x02, 0x01, 0x04, 0x03, 0x06, 0x05}, 2},
        {"report id 0", {0x00, 0x42, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00}, 2},
        {"kind 0x44", {0x09, 0x44, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00}, 2},
        {"kind 0x40", {0x09, 0x40, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00}, 2},
        {"pen with width 0", kWidth2PenReport, 0},
        {"pen with width 4", kWidth2PenReport, 4},
        {"keys with width 0", kExpressKeyReport, 0},
        {"keys with width 4", kExpressKeyReport, 4},
        {"touch with width 0", kTouchReport, 0},
        {"touch with width 4", kTouchReport, 4},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(decode(row.report, deviceWithWidth(row.width)), nullptr);
    }
}

TEST(ReportDecoder, DispatchesEachKindToItsDecoder)
{
    EXPECT_EQ(describe(decode(kWidth2PenReport, deviceWithWidth(2))), "pen");
    EXPECT_EQ(describe(decode(kExpressKeyReport, deviceWithWidth(2))), "key 1 pressed 1 virtual 0");
    EXPECT_EQ(describe(decode(kTouchReport, deviceWithWidth(2))), "touch strip 1 position 1");
}

TEST(ReportDecoder, Width2PenReportReadsLittleEndianFieldsAtBytes3To8AndTiltAt11And12)
{
    const Bytes report = {0x09, 0x41, 0xA1, 0x34, 0x12, 0x78, 0x56,
                          0xFF, 0x1F, 0xEE, 0xEE, 0xF6, 0x0A};

    const auto pen = std::dynamic_pointer_cast<TabletPenPacket>(decode(report, deviceWithWidth(2)));

    ASSERT_NE(pen, nullptr);
    EXPECT_EQ(pen->type, TabletPacket::Pen);
    EXPECT_EQ(pen->status, 0xA1u);
    EXPECT_EQ(pen->x, 0x1234u);
    EXPECT_EQ(pen->y, 0x5678u);
    EXPECT_EQ(pen->pressure, 0x1FFFu);
    EXPECT_EQ(pen->tiltX, -10);
    EXPECT_EQ(pen->tiltY, 10);
}

TEST(ReportDecoder, Width3PenReportReadsLittleEndianFieldsAtBytes3To10AndTiltAt11And12)
{
    const Bytes report = {0x09, 0x41, 0xA0, 0x56, 0x34, 0xF2, 0xBC,
                          0x9A, 0x01, 0xFF, 0x3F, 0x80, 0x7F};

    const auto pen = std::dynamic_pointer_cast<TabletPenPacket>(decode(report, deviceWithWidth(3)));

    ASSERT_NE(pen, nullptr);
    EXPECT_EQ(pen->status, 0xA0u);
    EXPECT_EQ(pen->x, 0xF23456u);
    EXPECT_EQ(pen->y, 0x019ABCu);
    EXPECT_EQ(pen->pressure, 0x3FFFu);
    EXPECT_EQ(pen->tiltX, -128);
    EXPECT_EQ(pen->tiltY, 127);
}

TEST(ReportDecoder, Width1PenReportReadsOneByteCoordinates)
{
    const Bytes report = {0x09, 0x41, 0xA1, 0xFE, 0x7F, 0x00, 0x20, 0xEE, 0xEE};

    const auto pen = std::dynamic_pointer_cast<TabletPenPacket>(decode(report, deviceWithWidth(1)));

    ASSERT_NE(pen, nullptr);
    EXPECT_EQ(pen->x, 0xFEu);
    EXPECT_EQ(pen->y, 0x7Fu);
    EXPECT_EQ(pen->pressure, 0x2000u);
    EXPECT_EQ(pen->tiltX, 0);
    EXPECT_EQ(pen->tiltY, 0);
}

TEST(ReportDecoder, TwelveBytePenReportGivesTiltZero)
{
    const Bytes report = {0x09, 0x41, 0xA1, 0x34, 0x12, 0x78, 0x56, 0xFF, 0x1F, 0x00, 0x00, 0xF6};

    const auto pen = std::dynamic_pointer_cast<TabletPenPacket>(decode(report, deviceWithWidth(2)));

    ASSERT_NE(pen, nullptr);
    EXPECT_EQ(pen->x, 0x1234u);
    EXPECT_EQ(pen->tiltX, 0);
    EXPECT_EQ(pen->tiltY, 0);
}

TEST(ReportDecoder, PenReportTooShortForItsPressureIsDropped)
{
    const Bytes tenBytes = {0x09, 0x41, 0xA1, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07};
    Bytes elevenBytes = tenBytes;
    elevenBytes.push_back(0x08);

    EXPECT_EQ(decode(tenBytes, deviceWithWidth(3)), nullptr);
    EXPECT_NE(decode(elevenBytes, deviceWithWidth(3)), nullptr);
}

TEST(ReportDecoder, PenDecoderOnItsOwnDropsShortReportsAndBadWidths)
{
    const Bytes sixBytes = {0x09, 0x41, 0xA1, 0x01, 0x02, 0x03};
    const Bytes sevenBytes = {0x09, 0x41, 0xA1, 0x01, 0x02, 0x03, 0x04};

    EXPECT_TRUE(ReportDecoder::decodePenReport(sixBytes.data(), sixBytes.size(), 1).empty());
    EXPECT_NE(ReportDecoder::decodePenReport(sevenBytes.data(), sevenBytes.size(), 1).pen(), nullptr);
    EXPECT_TRUE(ReportDecoder::decodePenReport(kWidth2PenReport.data(), kWidth2PenReport.size(), 0).empty());
    EXPECT_TRUE(ReportDecoder::decodePenReport(kWidth2PenReport.data(), kWidth2PenReport.size(), 4).empty());
}

TEST(ReportDecoder, PenStatusByteGivesStateAndFlags)
{
    struct Row
    {
        std::uint8_t status;
        std::uint32_t state;
        std::uint8_t button1;
        std::uint8_t button2;
        std::uint8_t eraser;
    };
    const std::vector<Row> rows = {
        {0xA0, 0xA0, 0, 0, 0}, {0xA1, 0xA1, 0, 0, 0}, {0xE1, 0xA1, 0, 0, 0},
        {0x80, 0xC0, 0, 0, 0}, {0x00, 0xC0, 0, 0, 0}, {0xC0, 0xC0, 0, 0, 0},
        {0x21, 0xC0, 0, 0, 0}, {0xA2, 0xA0, 1, 0, 0}, {0xA3, 0xA1, 1, 0, 0},
        {0xA4, 0xA0, 0, 1, 0}, {0xA5, 0xA1, 0, 1, 0}, {0xA6, 0xA0, 0, 0, 0},
        {0xA8, 0xA0, 0, 0, 1}, {0xA9, 0xA1, 0, 0, 1}, {0xE3, 0xA1, 0, 0, 0},
        {0xAA, 0xA0, 0, 0, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "status 0x" << std::hex << int(row.status));
        const auto pen =
            std::dynamic_pointer_cast<TabletPenPacket>(decode(penReport(row.status), deviceWithWidth(2)));
        ASSERT_NE(pen, nullptr);
        EXPECT_EQ(pen->status, row.state);
        EXPECT_EQ(pen->button1, row.button1);
        EXPECT_EQ(pen->button2, row.button2);
        EXPECT_EQ(pen->eraser, row.eraser);
    }
}

TEST(ReportDecoder, ExpressKeysAreKeysOrDialStepsByKeyAndDialKeyCounts)
{
    struct Row
    {
        const char *what;
        TabletDeviceInfo device;
        Bytes report;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {"K8 D2 key 7", deviceWithKeys(8, 2), expressKeyPress(7), "dial 1 direction 0"},
        {"K8 D2 key 8", deviceWithKeys(8, 2), expressKeyPress(8), "dial 2 direction 0"},
        {"K8 D2 key 6", deviceWithKeys(8, 2), expressKeyPress(6), "key 6 pressed 1 virtual 0"},
        {"K8 D4 key 8", deviceWithKeys(8, 4), expressKeyPress(8), "none"},
        {"K8 D4 key 5", deviceWithKeys(8, 4), expressKeyPress(5), "dial 1 direction 0"},
        {"K8 D4 key 4", deviceWithKeys(8, 4), expressKeyPress(4), "key 4 pressed 1 virtual 0"},
        {"K8 D0 key 8", deviceWithKeys(8, 0), expressKeyPress(8), "key 8 pressed 1 virtual 0"},
        {"K8 D2 release", deviceWithKeys(8, 2), keyReport(1, 0, 0), "key 0 pressed 0 virtual 0"},
        {"K8 D2 key 8 not pressed", deviceWithKeys(8, 2), keyReport(1, 0, 0x80),
         "key 8 pressed 0 virtual 0"},
        {"K12 D2 key 14", deviceWithKeys(12, 2), expressKeyPress(14), "dial 2 direction 0"},
        {"K12 D2 key 11", deviceWithKeys(12, 2), expressKeyPress(11), "key 11 pressed 1 virtual 0"},
        {"K2 D5 key 2", deviceWithKeys(2, 5), expressKeyPress(2), "key 2 pressed 1 virtual 0"},
        {"K2 D5 key 3", deviceWithKeys(2, 5), expressKeyPress(3), "dial 3 direction 0"},
        {"K2 D5 key 4", deviceWithKeys(2, 5), expressKeyPress(4), "dial 0 direction 0"},
        {"K12 D4 key 10, dial model", deviceWithKeys(12, 4, true), expressKeyPress(10),
         "dial 2 direction 0"},
        {"K12 D4 key 9, dial model", deviceWithKeys(12, 4, true), expressKeyPress(9),
         "dial 1 direction 0"},
        {"K12 D4 key 8, dial model", deviceWithKeys(12, 4, true), expressKeyPress(8),
         "key 8 pressed 1 virtual 0"},
        {"K12 D4 key 10, other model", deviceWithKeys(12, 4), expressKeyPress(10),
         "key 10 pressed 1 virtual 0"},
        {"K9 D10 key 9, dial model", deviceWithKeys(9, 10, true), expressKeyPress(9),
         "key 9 pressed 1 virtual 0"},
        {"K9 D10 key 10, dial model", deviceWithKeys(9, 10, true), expressKeyPress(10),
         "dial 2 direction 0"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(describe(decode(row.report, row.device)), row.expected);
    }
}

TEST(ReportDecoder, ExpressKeyIndexIsOneAboveTheLowestSetBit)
{
    struct Row
    {
        std::uint32_t bits;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {0x0000000C, "key 3 pressed 1 virtual 0"},
        {0x00000001, "key 1 pressed 1 virtual 0"},
        {0x80000000, "key 32 pressed 1 virtual 0"},
        {0x00010100, "key 9 pressed 1 virtual 0"},
        {0x00000000, "key 0 pressed 1 virtual 0"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "bits 0x" << std::hex << row.bits);
        EXPECT_EQ(describe(decode(keyReport(1, 1, row.bits), deviceWithKeys(8, 0))), row.expected);
    }
}

TEST(ReportDecoder, VirtualKeysUseOnlyTheLowSixteenBitsAndIgnoreTheDial)
{
    struct Row
    {
        std::uint32_t bits;
        std::uint8_t pressed;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {0x0000000C, 1, "key 3 pressed 1 virtual 1"},
        {0x00008000, 1, "key 16 pressed 1 virtual 1"},
        {0x00010000, 1, "key 0 pressed 1 virtual 1"},
        {0x00000080, 1, "key 8 pressed 1 virtual 1"},
        {0x00000000, 0, "key 0 pressed 0 virtual 1"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "bits 0x" << std::hex << row.bits);
        EXPECT_EQ(describe(decode(keyReport(2, row.pressed, row.bits), deviceWithKeys(8, 2))),
                  row.expected);
    }
}

TEST(ReportDecoder, DialStepGivesIndexAndDirection)
{
    struct Row
    {
        std::uint8_t step;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {3, "dial 2 direction 1"}, {4, "dial 2 direction 2"}, {0, "dial 0 direction 2"},
        {1, "dial 1 direction 1"}, {2, "dial 1 direction 2"}, {255, "dial 128 direction 1"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "step " << int(row.step));
        EXPECT_EQ(describe(decode(dialStep(row.step), deviceWithKeys(8, 2))), row.expected);
    }
}

TEST(ReportDecoder, DialStepThatIsNotPressedGivesNoPacket)
{
    Bytes report = dialStep(3);
    report[3] = 0;

    EXPECT_EQ(decode(report, deviceWithKeys(8, 2)), nullptr);
}

TEST(ReportDecoder, UnknownKeySubKindGivesNoPacket)
{
    for (std::uint8_t subKind : {0, 4, 0xFF}) {
        SCOPED_TRACE(int(subKind));
        EXPECT_EQ(decode(keyReport(subKind, 1, 0x01), deviceWithKeys(8, 0)), nullptr);
    }
}

TEST(ReportDecoder, KeyDecoderOnItsOwnDropsReportsWithoutTheirKeyBits)
{
    const Bytes sevenBytes = {0x09, 0x42, 0x01, 0x01, 0x01, 0x00, 0x00};

    EXPECT_TRUE(ReportDecoder::decodeKeyReport(sevenBytes.data(), sevenBytes.size(), deviceWithKeys(8, 0))
                        .empty());
}

TEST(ReportDecoder, TouchGivesThePositionOfTheLowestSetBitWhileTouching)
{
    struct Row
    {
        std::uint8_t touching;
        std::uint8_t positions;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {1, 0x30, "touch strip 1 position 5"}, {1, 0x01, "touch strip 1 position 1"},
        {0xFF, 0x80, "touch strip 1 position 8"}, {0, 0x30, "none"},
        {1, 0x00, "none"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "touching " << int(row.touching) << " positions 0x"
                                        << std::hex << int(row.positions));
        EXPECT_EQ(describe(decode(touchReport(row.touching, row.positions), deviceWithWidth(2))),
                  row.expected);
    }
}
