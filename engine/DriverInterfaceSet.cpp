#include "engine/DriverInterfaceSet.h"

#include <utility>

DriverInterfaceSet::DriverInterfaceSet(std::shared_ptr<IPointerDriverInterface> pointer,
                                       std::shared_ptr<IKeyboardDriverInterface> keyboard)
    : pointer(std::move(pointer)), keyboard(std::move(keyboard))
{
}

bool DriverInterfaceSet::openAll()
{
    if (pointer && pointer->open())
        statusBits |= PointerDriverOpen;
    if (keyboard && keyboard->open())
        statusBits |= KeyboardDriverOpen;
    const bool wintabServerStarted = startWintabServer();
    const bool anyOutputOpen = (statusBits & (PointerDriverOpen | KeyboardDriverOpen)) != 0;
    return anyOutputOpen && wintabServerStarted;
}

std::uint32_t DriverInterfaceSet::status() const
{
    // WintabClientsPresent is added here once the Wintab driver counts its clients.
    return statusBits;
}

bool DriverInterfaceSet::startWintabServer()
{
    return false;
}
