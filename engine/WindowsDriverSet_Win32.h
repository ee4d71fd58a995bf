#pragma once

#include "engine/DriverInterfaceSet.h"
#include "engine/IHidBackend.h"

#include <memory>

// The output drivers of the program, all writing to the virtual HID device found on `backend`.
std::unique_ptr<DriverInterfaceSet> createWindowsDriverSet(std::shared_ptr<IHidBackend> backend);
