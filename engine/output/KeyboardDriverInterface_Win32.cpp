#include "engine/output/KeyboardDriverInterface_Win32.h"

#include "engine/output/VirtualHidReportSink.h"

#include <utility>

KeyboardDriverInterface_Win32::KeyboardDriverInterface_Win32(std::shared_ptr<IHidBackend> backend)
    : KeyboardDriver(std::make_shared<VirtualHidReportSink>(std::move(backend)))
{
}
