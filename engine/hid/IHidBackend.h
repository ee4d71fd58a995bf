#pragma once

#include "engine/hid/HidTypes.h"
#include "engine/hid/IHidHandle.h"

#include <memory>
#include <string>
#include <vector>

// The way to the machine's HID interfaces: the system's (SetupAPI and HID) or a simulated bus.
// The program chooses one at start-up (createProgramHidBackend); everything above sees only this.
// Both operations may be called from any thread.
class IHidBackend
{
public:
    virtual ~IHidBackend() = default;

    // Every present HID interface, in the system's order.
    virtual std::vector<HidInterface> enumerateInterfaces() = 0;

    // Opens `path` for reading and writing, shared, and reads its attributes and capabilities;
    // an empty pointer when any of that fails. Paths compare without regard to case.
    virtual std::unique_ptr<IHidHandle> open(const std::string &path) = 0;
};
