#include "engine/output/DriverInterfaceSet.h"

#include <utility>

DriverInterfaceSet::DriverInterfaceSet(std::shared_ptr<IPointerDriverInterface> pointer,
                                       std::shared_ptr<IKeyboardDriverInterface> keyboard,
                                       std::shared_ptr<IWintabDriverInterface> wintab)
    : pointer(std::move(pointer)), keyboard(std::move(keyboard)), wintab(std::move(wintab))
{
}

bool DriverInterfaceSet::openAll()
{
    if (pointer && pointer->open())
        statusBits |= PointerDriverOpen;
    if (keyboard && keyboard->open())
        statusBits |= KeyboardDriverOpen;
    const bool wintabServerStarted = wintab && wintab->open();
    const bool anyOutputOpen = (statusBits & (PointerDriverOpen | KeyboardDriverOpen)) != 0;
    return anyOutputOpen && wintabServerStarted;
}

std::uint32_t DriverInterfaceSet::status() const
{
    std::uint32_t bits = statusBits;
    if (wintab && wintab->clientCount() > 0)
        bits |= WintabClientsPresent;
    return bits;
}
