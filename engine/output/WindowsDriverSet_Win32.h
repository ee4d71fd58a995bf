#pragma once

#include "engine/hid/IHidBackend.h"
#include "engine/output/DriverInterfaceSet.h"
#include "engine/wintab/WintabDriverInterface_Win32.h"

#include <memory>

// The output drivers of the program: pointer and keyboard write to the virtual HID device found
// on `backend`; Wintab publishes through the shared section and pipe named by `wintabNames`.
std::unique_ptr<DriverInterfaceSet> createWindowsDriverSet(
        std::shared_ptr<IHidBackend> backend,
        const WintabDriverInterface_Win32::Names &wintabNames = {});
