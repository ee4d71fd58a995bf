#include "engine/output/PointerDriverInterface_Win32.h"

#include "engine/output/PointerSystemState_Win32.h"
#include "engine/output/VirtualHidReportSink.h"

#include <utility>

PointerDriverInterface_Win32::PointerDriverInterface_Win32(std::shared_ptr<IHidBackend> backend)
    : PointerDriver(std::make_shared<VirtualHidReportSink>(std::move(backend)),
                    std::make_shared<PointerSystemState_Win32>())
{
}
