#include "engine/decoding/ReportDecoder.h"

#include "engine/core/LittleEndian.h"

namespace ReportDecoder {

namespace {

constexpr std::size_t kKindOffset = 1;
constexpr std::size_t kPenStatusOffset = 2;
constexpr std::size_t kPenXOffset = 3;
constexpr std::size_t kTiltXOffset = 11;
constexpr std::size_t kTiltYOffset = 12;
constexpr std::size_t kTiltReportSize = 13;
constexpr std::size_t kPressureSize = 2;

constexpr std::size_t kKeyReportKindOffset = 2;
constexpr std::size_t kKeyPressedOffset = 3;
constexpr std::size_t kKeyBitsOffset = 4;
constexpr std::size_t kKeyReportSize = 8;
constexpr std::uint32_t kVirtualKeyBits = 0xFFFF;
constexpr std::uint32_t kSmallTabletKeyCount = 8;

constexpr std::size_t kTouchingOffset = 2;
constexpr std::size_t kTouchPositionOffset = 3;
constexpr std::size_t kTouchReportSize = 4;
constexpr std::uint32_t kTouchStrip = 1;

constexpr std::uint8_t kStateTipDown = TabletPenPacket::TipDown;
constexpr std::uint8_t kStateInRange = TabletPenPacket::Hovering;

struct PenFlags
{
    std::uint8_t button1 = 0;
    std::uint8_t button2 = 0;
    std::uint8_t eraser = 0;
};

bool isCoordinateWidth(std::uint16_t width)
{
    return width >= 1 && width <= 3;
}

std::size_t penReportSize(std::uint16_t width)
{
    return kPenXOffset + 2 * std::size_t(width) + kPressureSize;
}

PenFlags penFlags(std::uint8_t status)
{
    PenFlags flags;
    switch (status) {
    case 0xA2:
    case 0xA3:
        flags.button1 = 1;
        break;
    case 0xA4:
    case 0xA5:
        flags.button2 = 1;
        break;
    case 0xA8:
    case 0xA9:
        flags.eraser = 1;
        break;
    default:
        break;
    }
    return flags;
}

std::uint32_t penState(std::uint8_t status)
{
    if ((status & kStateTipDown) == kStateTipDown)
        return TabletPenPacket::TipDown;
    if ((status & kStateInRange) == kStateInRange)
        return TabletPenPacket::Hovering;
    return TabletPenPacket::OutOfRange;
}

std::int8_t tiltAt(const std::uint8_t *report, std::size_t size, std::size_t offset)
{
    return size >= kTiltReportSize ? static_cast<std::int8_t>(report[offset]) : 0;
}

// 1 + the number of the lowest set bit, or 0 when no bit is set.
std::uint16_t lowestSetBitIndex(std::uint32_t bits)
{
    for (std::uint16_t bit = 0; bit < 32; ++bit) {
        if (bits & (std::uint32_t(1) << bit))
            return bit + 1;
    }
    return 0;
}

DecodedPacket keyPacket(std::uint16_t index, bool pressed, bool isVirtual)
{
    return TabletKeyPacket(index, pressed ? 1 : 0, isVirtual ? 1 : 0);
}

DecodedPacket dialPacket(std::uint32_t index, std::uint32_t direction)
{
    return TabletDialPacket(static_cast<std::uint16_t>(index), direction);
}

// Tablets may give their highest express keys to the dial (D of the K keys); pressing one of
// them turns the dial instead of acting as a key.
DecodedPacket decodeExpressKeys(std::uint32_t bits, bool pressed,
                                const TabletDeviceInfo &device)
{
    const std::uint16_t index = lowestSetBitIndex(bits);
    const std::uint32_t keys = device.keyCount;
    const std::uint32_t dialKeys = device.dialKeyCount;
    if (dialKeys == 0 || !pressed)
        return keyPacket(index, pressed, false);

    // Wraps when the dial claims more keys than there are, so that no key lies above it.
    const std::uint32_t lastPlainKey = keys - dialKeys;
    if (index > lastPlainKey && keys <= kSmallTabletKeyCount) {
        const std::uint32_t dial = (dialKeys - keys + index) & 3;
        return dial != 0 ? dialPacket(dial, 0) : DecodedPacket();
    }
    if (index > keys)
        return dialPacket(index & 3, 0);
    if (index > lastPlainKey && keys > kSmallTabletKeyCount && device.keysActAsDialModel)
        return dialPacket(index & 3, 0);
    return keyPacket(index, pressed, false);
}

DecodedPacket decodeVirtualKeys(std::uint32_t bits, bool pressed)
{
    return keyPacket(lowestSetBitIndex(bits & kVirtualKeyBits), pressed, true);
}

DecodedPacket decodeDialRotation(std::uint8_t step, bool pressed)
{
    if (!pressed)
        return {};
    const std::uint32_t direction = step % 2 == 1 ? 1 : 2;
    return dialPacket((std::uint32_t(step) + 1) / 2, direction);
}

} // namespace

DecodedPacket decodeReport(const std::uint8_t *report, std::size_t size,
                           const TabletDeviceInfo &device)
{
    if (size < kMinimumReportSize || !isCoordinateWidth(device.coordinateWidth)
        || report[0] != kReportId)
        return {};
    switch (report[kKindOffset]) {
    case PenReport:
        return decodePenReport(report, size, device.coordinateWidth);
    case KeyReport:
        return decodeKeyReport(report, size, device);
    case TouchReport:
        return decodeTouchReport(report, size);
    default:
        return {};
    }
}

DecodedPacket decodePenReport(const std::uint8_t *report, std::size_t size,
                              std::uint16_t coordinateWidth)
{
    const std::uint16_t w = coordinateWidth;
    if (!isCoordinateWidth(w) || size < penReportSize(w))
        return {};
    const std::uint8_t status = report[kPenStatusOffset];
    const PenFlags flags = penFlags(status);
    const std::uint8_t *x = report + kPenXOffset;
    return TabletPenPacket(
        penState(status), readLittleEndian(x, w), readLittleEndian(x + w, w),
        static_cast<std::uint16_t>(readLittleEndian(x + 2 * w, kPressureSize)),
        tiltAt(report, size, kTiltXOffset), tiltAt(report, size, kTiltYOffset), flags.button2,
        flags.button1, flags.eraser);
}

DecodedPacket decodeKeyReport(const std::uint8_t *report, std::size_t size,
                              const TabletDeviceInfo &device)
{
    if (size < kKeyReportSize)
        return {};
    const bool pressed = report[kKeyPressedOffset] != 0;
    const std::uint8_t *keyBits = report + kKeyBitsOffset;
    switch (report[kKeyReportKindOffset]) {
    case ExpressKeys:
        return decodeExpressKeys(readLittleEndian(keyBits, 4), pressed, device);
    case VirtualKeys:
        return decodeVirtualKeys(readLittleEndian(keyBits, 4), pressed);
    case DialRotation:
        return decodeDialRotation(keyBits[0], pressed);
    default:
        return {};
    }
}

DecodedPacket decodeTouchReport(const std::uint8_t *report, std::size_t size)
{
    if (size < kTouchReportSize)
        return {};
    const std::uint8_t touching = report[kTouchingOffset];
    const std::uint8_t positions = report[kTouchPositionOffset];
    if (touching == 0 || positions == 0)
        return {};
    return TabletTouchPacket(kTouchStrip, lowestSetBitIndex(positions));
}

} // namespace ReportDecoder
