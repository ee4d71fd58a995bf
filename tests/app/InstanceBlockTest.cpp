#include "app/InstanceBlock.h"

#include "Crc16.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

InstanceBlock sampleBlock()
{
    InstanceBlock block;
    block.primaryRunning = true;
    block.secondaryCount = 0x01020304;
    block.primaryProcessId = 0x1122334455667788;
    block.primaryUserName = QByteArrayLiteral("zo\xc3\xab");
    return block;
}

} // namespace

TEST(InstanceBlock, Lays152BytesOutLittleEndianWithTheIsoCrc16OfTheFirst144)
{
    const QByteArray bytes = sampleBlock().toBytes();
    ASSERT_EQ(bytes.size(), 152);
    const std::vector<std::pair<int, QByteArray>> fields = {
        {0, "01000000"}, {4, "04030201"}, {8, "8877665544332211"}, {16, "7a6fc3ab00"},
        {21, QByteArray(123, '\0').toHex()}, {146, "000000000000"}};
    for (const auto &[offset, hex] : fields)
        EXPECT_EQ(bytes.mid(offset, hex.size() / 2).toHex(), hex) << "offset " << offset;
    EXPECT_EQ(quint16(quint8(bytes[144]) | quint8(bytes[145]) << 8), isoCrc16(bytes.left(144)));
    EXPECT_EQ(isoCrc16("123456789"), 0x906E); // the standard's check value

    InstanceBlock read;
    ASSERT_TRUE(InstanceBlock::fromBytes(bytes.constData(), read));
    EXPECT_EQ(read.toBytes(), bytes);
    ASSERT_TRUE(InstanceBlock::fromBytes(InstanceBlock().toBytes().constData(), read));
    EXPECT_FALSE(read.primaryRunning);
    EXPECT_EQ(read.primaryProcessId, -1);
}

TEST(InstanceBlock, AChangeBeforeTheZeroTailMakesItInconsistentAndALongNameIsCut)
{
    const QByteArray good = sampleBlock().toBytes();
    for (const int offset : {0, 3, 4, 15, 16, 143, 144, 145, 150}) {
        QByteArray bytes = good;
        bytes[offset] = char(bytes[offset] ^ 0x40);
        InstanceBlock read;
        EXPECT_EQ(InstanceBlock::fromBytes(bytes.constData(), read), offset >= 146) << "offset " << offset;
    }
    InstanceBlock longName;
    longName.primaryUserName = QByteArray(200, 'u');
    const QByteArray bytes = longName.toBytes();
    EXPECT_EQ(bytes.mid(16, 128), QByteArray(127, 'u') + '\0');
}
