#pragma once

#include <cstdint>

// One decoded tablet report. Packets travel from the report decoder through the packet queue
// to the worker, held by shared pointer, and are down-cast by `type`.
// A default-constructed packet is empty: `type` None and every value 0 (a pen packet also
// reads as out of range); the value constructors make real packets of their kind.
class TabletPacket
{
public:
    enum Type : std::uint32_t {
        Pen = 0,
        Key = 1,
        Dial = 2,
        Touch = 3,
        None = 255,
    };

    TabletPacket() = default;
    explicit TabletPacket(std::uint32_t type) : type(type) {}
    TabletPacket(const TabletPacket &) = default;
    TabletPacket &operator=(const TabletPacket &) = default;
    virtual ~TabletPacket() = default;

    std::uint32_t type = None;
};

class TabletPenPacket : public TabletPacket
{
public:
    enum Status : std::uint32_t {
        Hovering = 0xA0,
        TipDown = 0xA1,
        OutOfRange = 0xC0,
    };

    TabletPenPacket() = default;
    // button2 comes before button1: it is the flag of the pen's first barrel button.
    TabletPenPacket(std::uint32_t status, std::uint32_t x, std::uint32_t y, std::uint16_t pressure,
                    std::int8_t tiltX, std::int8_t tiltY, std::uint8_t button2, std::uint8_t button1,
                    std::uint8_t eraser)
        : TabletPacket(Pen), status(status), x(x), y(y), pressure(pressure), tiltX(tiltX),
          tiltY(tiltY), button2(button2), button1(button1), eraser(eraser)
    {
    }

    std::uint32_t status = OutOfRange;
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    std::uint16_t pressure = 0;
    std::int8_t tiltX = 0;
    std::int8_t tiltY = 0;
    std::uint8_t button2 = 0;
    std::uint8_t button1 = 0;
    std::uint8_t eraser = 0;
};

class TabletKeyPacket : public TabletPacket
{
public:
    static constexpr std::uint16_t kNoKey = 0;

    TabletKeyPacket() = default;
    TabletKeyPacket(std::uint16_t key, std::uint8_t pressed, std::uint8_t isVirtual)
        : TabletPacket(Key), key(key), pressed(pressed), isVirtual(isVirtual)
    {
    }

    // No key is held any more.
    bool isRelease() const { return key == kNoKey && !pressed; }

    std::uint16_t key = kNoKey;
    std::uint8_t pressed = 0;
    std::uint8_t isVirtual = 0;
};

class TabletDialPacket : public TabletPacket
{
public:
    TabletDialPacket() = default;
    TabletDialPacket(std::uint16_t index, std::uint32_t direction)
        : TabletPacket(Dial), index(index), direction(direction)
    {
    }

    std::uint16_t index = 0;
    // 1 or 2 for the two turning directions, 0 for a dial event without one.
    std::uint32_t direction = 0;
};

class TabletTouchPacket : public TabletPacket
{
public:
    TabletTouchPacket() = default;
    TabletTouchPacket(std::uint32_t strip, std::uint32_t position)
        : TabletPacket(Touch), strip(strip), position(position)
    {
    }

    std::uint32_t strip = 0;
    std::uint32_t position = 0;
};
