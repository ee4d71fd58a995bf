#pragma once

#include "config/packets/PointerEvent.h"

#include <memory>

// Moves the pointer and the pen through the virtual HID device.
class IPointerDriverInterface
{
public:
    // Connects to the device; true when it is open.
    virtual bool open() = 0;

    // Writes the report for `event`; true when it was written. False without writing while
    // output is held back for another session, and for an event of an unknown kind.
    virtual bool sendPointerEvent(const std::shared_ptr<PointerEvent> &event) = 0;

    // The button state that mouse actions hold for the following reports.
    virtual void setMode(int mode) = 0;

    virtual ~IPointerDriverInterface() = default;
};
