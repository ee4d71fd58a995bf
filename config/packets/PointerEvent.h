#pragma once

#include <cstdint>

// A request to the pointer driver, made by the pen or action step. Events are held by shared
// pointer and down-cast by `kind`.
class PointerEvent
{
public:
    enum Kind : std::uint32_t {
        AbsoluteMouse = 0,
        RelativeMouse = 1,
        Digitizer = 2,
    };

    PointerEvent(std::uint32_t kind, std::uint32_t x, std::uint32_t y);
    PointerEvent(const PointerEvent &) = default;
    PointerEvent &operator=(const PointerEvent &) = default;
    virtual ~PointerEvent();

    // Whole milliseconds of the steady clock: the time base of `timestamp`.
    static std::uint64_t steadyMilliseconds();

    std::uint32_t x;
    std::uint32_t y;
    std::uint32_t kind;
    std::uint64_t timestamp = 0;
};

class MousePointerEvent : public PointerEvent
{
public:
    enum Button : std::uint32_t {
        Left = 1,
        Middle = 2,
        Right = 3,
        WheelUp = 4,
        WheelDown = 5,
    };

    // kind: AbsoluteMouse or RelativeMouse; a relative event carries the movement in x and y.
    MousePointerEvent(std::uint32_t kind, std::uint32_t x, std::uint32_t y, std::uint32_t button,
                      std::uint8_t pressed);

    std::uint32_t button;
    std::uint8_t pressed;
};

class DigitizerPointerEvent : public PointerEvent
{
public:
    // status: the pen packet's status; leave: report the pen out of range whatever the status.
    DigitizerPointerEvent(std::uint32_t x, std::uint32_t y, std::uint16_t pressure,
                          std::uint16_t tiltX, std::uint16_t tiltY, std::uint8_t status,
                          std::uint8_t leave, std::uint8_t eraser);

    std::uint16_t pressure;
    std::uint16_t tiltX;
    std::uint16_t tiltY;
    std::uint8_t status;
    std::uint8_t leave;
    std::uint8_t eraser;
};
