#pragma once

#include "engine/IKeyboardDriverInterface.h"
#include "engine/IPointerDriverInterface.h"

#include <atomic>
#include <cstdint>
#include <memory>

// The output drivers of the engine, opened together once before the worker starts, with bits
// that say which of them opened. The Wintab driver joins this set once it exists.
class DriverInterfaceSet
{
public:
    enum StatusBit : std::uint32_t {
        PointerDriverOpen = 1,
        KeyboardDriverOpen = 2,
        WintabClientsPresent = 4,
    };

    DriverInterfaceSet(std::shared_ptr<IPointerDriverInterface> pointer,
                       std::shared_ptr<IKeyboardDriverInterface> keyboard);

    // Opens the pointer and the keyboard driver and sets the bit of each one that opened (bits
    // are never cleared). True when at least one of them opened and the Wintab server started.
    bool openAll();

    std::uint32_t status() const;

    std::shared_ptr<IPointerDriverInterface> pointerDriver() const { return pointer; }
    std::shared_ptr<IKeyboardDriverInterface> keyboardDriver() const { return keyboard; }

private:
    // There is no Wintab driver yet, so its server never starts and openAll cannot report
    // complete success; this is where the Wintab driver's open belongs.
    bool startWintabServer();

    std::atomic<std::uint32_t> statusBits{0};
    const std::shared_ptr<IPointerDriverInterface> pointer;
    const std::shared_ptr<IKeyboardDriverInterface> keyboard;
};
