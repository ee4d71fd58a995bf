#pragma once

#include "engine/ddc/DdcChannelInterface.h"

#include <windows.h>

#include <physicalmonitorenumerationapi.h>

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

private:
    bool listPhysicalMonitors();
    void releasePhysicalMonitors();

    HMONITOR display = nullptr;
    std::vector<PHYSICAL_MONITOR> physicalMonitors;
};
