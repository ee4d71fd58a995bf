#pragma once

#include "engine/hid/HidTypes.h"

#include <windows.h>

#include <chrono>
#include <cstddef>
#include <cstdint>

// Reads and writes on a handle opened for overlapped I/O, waited for with a time-out. A request
// that is not done in time is cancelled, and its completion is awaited before returning: the
// system never touches the buffer or the completion event after these functions returned.
class OverlappedIo_Win32
{
public:
    static HidIoStatus read(HANDLE handle, std::uint8_t *buffer, std::size_t size,
                            std::size_t &received, std::chrono::milliseconds timeout);
    static HidIoStatus write(HANDLE handle, const std::uint8_t *data, std::size_t size,
                             std::chrono::milliseconds timeout);
};
