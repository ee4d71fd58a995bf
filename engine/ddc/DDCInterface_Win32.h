#pragma once

#include "engine/ddc/DdcChannelInterface.h"

#include <windows.h>

#include <physicalmonitorenumerationapi.h>

#include <string>
#include <vector>

// DDC/CI through the system's monitor configuration interface (dxva2), on the first physical
// monitor behind a display of the display manager's enumeration.
class DDCInterface_Win32 : public DdcChannelInterface
{
public:
    explicit DDCInterface_Win32(Pause pause = sleep);
    ~DDCInterface_Win32() override;

    DDCInterface_Win32(const DDCInterface_Win32 &) = delete;
    DDCInterface_Win32 &operator=(const DDCInterface_Win32 &) = delete;

    bool init(int monitorIndex) override;

    // The index that `init` takes for the display of that device name (\\.\DISPLAY1 and the
    // like, in UTF-8); -1 when no listed display has it.
    static int displayIndexOf(const std::string &deviceName);

private:
    bool listPhysicalMonitors();
    void releasePhysicalMonitors();

    HMONITOR display = nullptr;
    std::vector<PHYSICAL_MONITOR> physicalMonitors;
};
