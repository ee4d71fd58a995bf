#pragma once

#include "engine/hid/HidTypes.h"
#include "engine/hid/IHidBackend.h"
#include "engine/hid/IHidHandle.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// The HID handle of one interface (the tablet's or the virtual device's), held by shared
// pointer. It reaches the device through whichever IHidBackend it was given.
// open and close are not called concurrently with each other; reads, writes and string
// requests may run on other threads meanwhile and simply fail once the handle is closed.
class UsbDevice_Win32Private
{
public:
    explicit UsbDevice_Win32Private(std::shared_ptr<IHidBackend> backend);
    ~UsbDevice_Win32Private();

    UsbDevice_Win32Private(const UsbDevice_Win32Private &) = delete;
    UsbDevice_Win32Private &operator=(const UsbDevice_Win32Private &) = delete;

    // Opens `path` (closing what was open) and takes over its ids and report lengths; false
    // when the open or a query fails, leaving the device closed.
    bool open(const std::string &path);
    void close();
    bool isOpen() const;

    // One input report into `buffer` (its size is the request's size), waited for at most
    // `timeout`. TimedOut is the normal outcome on an idle device; Failed means it is gone.
    HidIoStatus read(std::vector<std::uint8_t> &buffer, std::chrono::milliseconds timeout);

    // True when the whole report was written within `timeout`; an empty report or a closed
    // device gives false.
    bool write(const std::uint8_t *report, std::size_t size, std::chrono::milliseconds timeout);
    bool write(const std::vector<std::uint8_t> &report, std::chrono::milliseconds timeout);

    // The raw bytes of indexed string `index`; an empty buffer is first made 64 bytes long.
    bool indexedString(std::uint32_t index, std::vector<std::uint8_t> &buffer);

    std::uint16_t vendorId() const { return vendor; }
    std::uint16_t productId() const { return product; }
    std::uint16_t inputReportLength() const { return inputLength; }
    std::uint16_t outputReportLength() const { return outputLength; }
    const std::string &path() const { return openedPath; }

private:
    std::shared_ptr<IHidHandle> currentHandle() const;

    const std::shared_ptr<IHidBackend> backend;
    mutable std::mutex handleMutex; // guards the pointer only, never held during a request

    std::shared_ptr<IHidHandle> handle; // empty when closed
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    std::uint16_t inputLength = 0;
    std::uint16_t outputLength = 0;
    std::string openedPath;
};
