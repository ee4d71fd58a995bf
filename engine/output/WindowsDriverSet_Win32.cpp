#include "engine/output/WindowsDriverSet_Win32.h"

#include "engine/output/KeyboardDriverInterface_Win32.h"
#include "engine/output/PointerDriverInterface_Win32.h"

std::unique_ptr<DriverInterfaceSet> createWindowsDriverSet(
        std::shared_ptr<IHidBackend> backend, const WintabDriverInterface_Win32::Names &wintabNames)
{
    return std::make_unique<DriverInterfaceSet>(
            std::make_shared<PointerDriverInterface_Win32>(backend),
            std::make_shared<KeyboardDriverInterface_Win32>(backend),
            std::make_shared<WintabDriverInterface_Win32>(wintabNames));
}
