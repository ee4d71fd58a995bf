#include "ui/dialogs/display/SystemDdcMonitorAccess_Win32.h"

#include "engine/ddc/DDCInterface_Win32.h"
#include "engine/display/DisplayManager_Win32.h"

DdcMonitorAccess systemDdcMonitorAccess()
{
    DdcMonitorAccess access;
    access.createInterface = [] { return DisplayManager_Win32::instance()->createDDCInterface(); };
    access.displayIndex = DDCInterface_Win32::displayIndexOf;
    return access;
}
