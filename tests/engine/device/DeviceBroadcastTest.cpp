#include "engine/device/DeviceBroadcast.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::uint8_t kHidClass[16] = {0xB2, 0x55, 0x1E, 0x4D, 0x6F, 0xF1, 0xCF, 0x11,
                                    0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30};

void put32(Bytes &bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
}

// A broadcast as the system lays it out: header, class, the name and its 0, padded to 4 bytes;
// `claimed` replaces the size field when not 0.
Bytes interfaceBroadcast(const std::u16string &name, std::uint32_t type = 5, std::uint32_t claimed = 0)
{
    Bytes bytes(28 + 2 * (name.size() + 1), 0);
    bytes.resize(std::max<std::size_t>((bytes.size() + 3) / 4 * 4, 32), 0);
    put32(bytes, 0, claimed != 0 ? claimed : std::uint32_t(bytes.size()));
    put32(bytes, 4, type);
    std::copy(std::begin(kHidClass), std::end(kHidClass), bytes.begin() + 12);
    for (std::size_t i = 0; i < name.size(); ++i) {
        bytes[28 + 2 * i] = std::uint8_t(name[i]);
        bytes[28 + 2 * i + 1] = std::uint8_t(name[i] >> 8);
    }
    return bytes;
}

Bytes withoutTerminator(Bytes bytes)
{
    for (std::size_t at = 28; at < bytes.size(); ++at)
        bytes[at] = bytes[at] == 0 ? 'x' : bytes[at];
    return bytes;
}

} // namespace

TEST(DeviceBroadcast, ReadsOnlySoundDeviceInterfaceBroadcasts)
{
    const std::u16string path = u"\\\\?\\HID#VID_5A4C&PID_0031&MI_02#7&1a2b3c&0&0000";
    const Bytes good = interfaceBroadcast(path);
    struct Row
    {
        const char *what;
        Bytes bytes;
        std::size_t readable;
        bool read;
    };
    const std::vector<Row> rows = {
        {"a sound broadcast", good, good.size(), true},
        {"a size that ends with the name's 0", interfaceBroadcast(path, 5, 28 + 2 * std::uint32_t(path.size() + 1)),
         good.size(), true},
        {"a one-unit name in the bare record", interfaceBroadcast(u"a"), 32, true},
        {"an empty name in the bare record", interfaceBroadcast(u""), 32, true},
        {"fewer readable bytes than a header", good, 11, false},
        {"no bytes at all", {}, 0, false},
        {"a size below the header", interfaceBroadcast(path, 5, 8), good.size(), false},
        {"a size of 0", Bytes(32, 0), 32, false},
        {"a size within the header but short of the record", interfaceBroadcast(path, 5, 31), good.size(), false},
        {"a size beyond the readable bytes", interfaceBroadcast(path, 5, std::uint32_t(good.size() + 4)), good.size(), false},
        {"a volume broadcast", interfaceBroadcast(path, 2), good.size(), false},
        {"a handle broadcast", interfaceBroadcast(path, 6), good.size(), false},
        {"a name without its 0", withoutTerminator(good), good.size(), false},
        {"a name whose 0 lies past the size field", interfaceBroadcast(path, 5, 28 + 2 * std::uint32_t(path.size())),
         good.size(), false},
        {"a size that splits the name's 0", interfaceBroadcast(path, 5, 28 + 2 * std::uint32_t(path.size()) + 1),
         good.size(), false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const auto broadcast = DeviceBroadcast::readDeviceInterface(row.bytes.empty() ? nullptr : row.bytes.data(),
                                                                    row.readable);
        EXPECT_EQ(broadcast.has_value(), row.read);
    }
}

TEST(DeviceBroadcast, GivesTheClassAndTheNameUpToItsZero)
{
    const std::u16string path = u"\\\\?\\HID#VID_5A4C&PID_0031&MI_02#7&1a2b3c&0&0000";
    Bytes bytes = interfaceBroadcast(path);
    bytes.insert(bytes.end(), {'j', 0, 'k', 0}); // beyond the 0, inside a larger size
    put32(bytes, 0, std::uint32_t(bytes.size()));

    const auto broadcast = DeviceBroadcast::readDeviceInterface(bytes.data(), bytes.size());

    ASSERT_TRUE(broadcast);
    EXPECT_EQ(broadcast->name, path);
    EXPECT_TRUE(std::equal(std::begin(kHidClass), std::end(kHidClass), broadcast->interfaceClass.begin()));
}
