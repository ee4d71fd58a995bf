#pragma once

#include "engine/output/IKeyboardDriverInterface.h"
#include "engine/output/IPointerDriverInterface.h"
#include "engine/wintab/IWintabDriverInterface.h"

#include <atomic>
#include <cstdint>
#include <memory>

// The output drivers of the engine, opened together once before the worker starts, with bits
// that say which of them opened.
class DriverInterfaceSet
{
public:
    enum StatusBit : std::uint32_t {
        PointerDriverOpen = 1,
        KeyboardDriverOpen = 2,
        WintabClientsPresent = 4,
    };

    DriverInterfaceSet(std::shared_ptr<IPointerDriverInterface> pointer,
                       std::shared_ptr<IKeyboardDriverInterface> keyboard,
                       std::shared_ptr<IWintabDriverInterface> wintab = nullptr);

    // Opens the pointer and the keyboard driver and sets the bit of each one that opened (bits
    // are never cleared), and starts the Wintab driver's server. True when at least one of the
    // first two opened and the Wintab server started.
    bool openAll();

    // The open bits, and WintabClientsPresent while Nibwire copies are connected.
    std::uint32_t status() const;

    std::shared_ptr<IPointerDriverInterface> pointerDriver() const { return pointer; }
    std::shared_ptr<IKeyboardDriverInterface> keyboardDriver() const { return keyboard; }
    std::shared_ptr<IWintabDriverInterface> wintabDriver() const { return wintab; }

private:
    std::atomic<std::uint32_t> statusBits{0};
    const std::shared_ptr<IPointerDriverInterface> pointer;
    const std::shared_ptr<IKeyboardDriverInterface> keyboard;
    const std::shared_ptr<IWintabDriverInterface> wintab;
};
