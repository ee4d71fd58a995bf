#pragma once

#include "engine/hid/IHidBackend.h"
#include "engine/output/PointerDriver.h"

#include <memory>

// The pointer driver of the program: reports go to the virtual HID device found on `backend`,
// and Windows tells whether buttons are swapped and which session is active.
class PointerDriverInterface_Win32 : public PointerDriver
{
public:
    explicit PointerDriverInterface_Win32(std::shared_ptr<IHidBackend> backend);
};
