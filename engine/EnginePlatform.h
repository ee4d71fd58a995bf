#pragma once

#include "engine/DriverInterfaceSet.h"
#include "engine/IDeviceListener.h"
#include "engine/IHidBackend.h"

#include <QPoint>

#include <functional>
#include <memory>

class ScreenStatusListen;

// The operating-system services the engine runs on: the system's in the program, stand-ins in
// tests. Any of them may be absent; the engine then goes without that output or input.
struct EnginePlatform
{
    std::shared_ptr<IHidBackend> hid;
    std::unique_ptr<IDeviceListener> listener;
    std::unique_ptr<DriverInterfaceSet> drivers;
    // The process-wide display manager; not owned.
    ScreenStatusListen *displays = nullptr;
    // The cursor position in desktop pixels.
    std::function<QPoint()> cursorPosition;
};
