#pragma once

#include "engine/output/KeyNames.h"
#include "engine/output/KeyboardEvent.h"

#include <memory>
#include <string>

// Types keys through the virtual HID device.
class IKeyboardDriverInterface
{
public:
    virtual ~IKeyboardDriverInterface() = default;

    // Makes the key-name tables ready and connects to the device; true when the device is open.
    virtual bool open() = 0;

    // Stores the code of `name` in `which` table and returns true, or stores -1 and returns false.
    virtual bool keyNameToVirtualKey(const std::string &name, int &code, KeyTable which) const = 0;

    // Writes one keyboard report for `event`, then waits `delayMilliseconds`; true when the
    // report was written.
    virtual bool sendKey(const std::shared_ptr<KeyboardEvent> &event, int delayMilliseconds) = 0;
};
