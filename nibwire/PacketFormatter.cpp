#include "nibwire/PacketFormatter.h"

#include <cmath>
#include <cstring>

namespace PacketFormatter {

namespace {

struct Field {
    WTPKT bit;
    std::size_t size;
};

constexpr Field kFields[] = {
    {PK_CONTEXT, 8},         {PK_STATUS, 4},           {PK_TIME, 4},   {PK_CHANGED, 4},
    {PK_SERIAL_NUMBER, 4},   {PK_CURSOR, 4},           {PK_BUTTONS, 4}, {PK_X, 4},
    {PK_Y, 4},               {PK_Z, 4},                {PK_NORMAL_PRESSURE, 4},
    {PK_TANGENT_PRESSURE, 4}, {PK_ORIENTATION, 12},    {PK_ROTATION, 12},
};

constexpr std::uint32_t kTimeStep = 5;
constexpr std::uint32_t kChangedFields = 0x580;
constexpr std::uint32_t kStatusTouching = 4;
constexpr std::uint32_t kButton1Down = 0x20001;
constexpr std::uint32_t kButton1Up = 0x10001;
constexpr std::uint32_t kTipButton = 0x1;
constexpr std::uint32_t kLowerBarrelButton = 0x2;
constexpr std::uint32_t kUpperBarrelButton = 0x4;

// Truncates toward zero, adds the origin, and keeps the result inside 32 bits.
std::int32_t placed(double scaled, std::int32_t origin)
{
    constexpr double limit = 4.0e15;
    if (!(scaled > -limit))
        scaled = -limit;
    if (scaled > limit)
        scaled = limit;
    std::int64_t value = std::int64_t(std::trunc(scaled)) + origin;
    if (value > INT32_MAX)
        value = INT32_MAX;
    if (value < INT32_MIN)
        value = INT32_MIN;
    return std::int32_t(value);
}

std::uint32_t buttonsOf(const QueuedPacket &previous, const QueuedPacket &current, WTPKT packetMode)
{
    if (packetMode & PK_BUTTONS) {
        const std::uint32_t before = previous.buttonsAndState & QueuedPen::kStateMask;
        const std::uint32_t now = current.buttonsAndState & QueuedPen::kStateMask;
        if (before == QueuedPen::kInProximity && now == QueuedPen::kTipDown)
            return kButton1Down;
        if (before == QueuedPen::kTipDown && now == QueuedPen::kInProximity)
            return kButton1Up;
        return 0;
    }
    // A bit per pressed button, as clients read the word: the tip down (the low bit of the
    // state) stays set while a barrel button is held.
    std::uint32_t pressed = current.buttonsAndState & kTipButton;
    if (current.buttonsAndState & QueuedPen::kLowerBarrelBit)
        pressed |= kLowerBarrelButton;
    if (current.buttonsAndState & QueuedPen::kUpperBarrelBit)
        pressed |= kUpperBarrelButton;
    return pressed;
}

} // namespace

std::size_t packetSize(WTPKT packetData)
{
    std::size_t size = 0;
    for (const Field &field : kFields) {
        if (packetData & field.bit)
            size += field.size;
    }
    return size;
}

std::int32_t scaleX(std::uint32_t x, const LOGCONTEXTA &context)
{
    if (context.lcInExtX == 0)
        return context.lcOutOrgX;
    return placed(double(x) / context.lcInExtX * context.lcOutExtX + 0.5, context.lcOutOrgX);
}

std::int32_t scaleY(std::uint32_t y, const LOGCONTEXTA &context)
{
    if (context.lcInExtY == 0)
        return context.lcOutOrgY;
    if (context.lcOutExtY > 0) {
        // Positions beyond the input extent count as the extent's edge.
        const std::int64_t flipped = std::int64_t(context.lcInExtY) - std::int64_t(y);
        const double distance = flipped > 0 ? double(flipped) : 0.0;
        return placed(distance / context.lcInExtY * context.lcOutExtY + 0.5, context.lcOutOrgY);
    }
    const double extent = -double(context.lcOutExtY);
    return placed(double(y) / context.lcInExtY * extent + 0.5, context.lcOutOrgY);
}

void format(const Source &source, void *output)
{
    const LOGCONTEXTA &context = *source.context;
    const QueuedPacket &packet = *source.current;
    auto *out = static_cast<unsigned char *>(output);
    auto put32 = [&out](std::uint32_t value) {
        std::memcpy(out, &value, 4);
        out += 4;
    };
    const WTPKT data = context.lcPktData;
    if (data & PK_CONTEXT) {
        const WintabContextHandle handle = source.handle;
        std::memcpy(out, &handle, 8);
        out += 8;
    }
    if (data & PK_STATUS)
        put32(packet.pressure != 0 ? kStatusTouching : 0);
    if (data & PK_TIME)
        put32((context.lcPktMode & PK_TIME) ? kTimeStep : source.tickCount + kTimeStep);
    if (data & PK_CHANGED)
        put32(kChangedFields);
    if (data & PK_SERIAL_NUMBER)
        put32(packet.serial);
    if (data & PK_CURSOR)
        put32((packet.buttonsAndState & QueuedPen::kEraserBit) ? 2 : 1);
    if (data & PK_BUTTONS)
        put32(buttonsOf(*source.previous, packet, context.lcPktMode));
    if (data & PK_X)
        put32(std::uint32_t(scaleX(packet.x, context)));
    if (data & PK_Y)
        put32(std::uint32_t(scaleY(packet.y, context)));
    if (data & PK_Z)
        put32(0);
    if (data & PK_NORMAL_PRESSURE)
        put32(packet.pressure);
    if (data & PK_TANGENT_PRESSURE)
        put32(0);
    if (data & PK_ORIENTATION) {
        put32(packet.azimuth);
        put32(packet.altitude);
        put32(packet.twist);
    }
    if (data & PK_ROTATION) {
        put32(0);
        put32(0);
        put32(0);
    }
}

} // namespace PacketFormatter
