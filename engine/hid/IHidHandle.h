#pragma once

#include "engine/hid/HidTypes.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

// One open HID interface. Reads, writes and string requests may run on different threads at
// once; close may come from another thread while a request waits: that request ends soon after,
// and every later one fails.
class IHidHandle
{
public:
    virtual ~IHidHandle() = default;

    virtual HidAttributes attributes() const = 0;
    virtual HidCapabilities capabilities() const = 0;

    // The raw bytes of indexed string `index`. The buffer's size is the request's size; bytes the
    // device does not fill are 0.
    virtual HidIoStatus indexedString(std::uint32_t index, std::vector<std::uint8_t> &buffer) = 0;

    // One input report. The buffer's size is the request's size; on Completed the buffer holds
    // exactly the bytes that came in. A read that does not complete within `timeout` is cancelled
    // before this returns, so the buffer is free again either way.
    virtual HidIoStatus read(std::vector<std::uint8_t> &buffer,
                             std::chrono::milliseconds timeout) = 0;

    // One output report of `size` bytes; cancelled before return when not completed in time.
    virtual HidIoStatus write(const std::uint8_t *report, std::size_t size,
                              std::chrono::milliseconds timeout) = 0;

    // Idempotent. The destructor closes as well.
    virtual void close() = 0;
};
