#pragma once

#include "engine/hid/IHidBackend.h"
#include "engine/output/KeyboardDriver.h"

#include <memory>

// The keyboard driver of the program: reports go to the virtual HID device found on `backend`,
// through a handle of its own, and each report is followed by a yielding wait.
class KeyboardDriverInterface_Win32 : public KeyboardDriver
{
public:
    explicit KeyboardDriverInterface_Win32(std::shared_ptr<IHidBackend> backend);
};
