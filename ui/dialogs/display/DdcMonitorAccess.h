#pragma once

#include "engine/ddc/IDDCInterface.h"

#include <functional>
#include <memory>
#include <string>

// How the picture dialog reaches the monitors: the program gives the system's DDC/CI (or the
// simulated monitors), tests their own.
struct DdcMonitorAccess
{
    // A new interface, not yet bound to a display; may be empty.
    std::function<std::shared_ptr<IDDCInterface>()> createInterface;
    // The index that the interface's `init` takes for the display of a device name; -1 when no
    // display has that name.
    std::function<int(const std::string &deviceName)> displayIndex;
};
