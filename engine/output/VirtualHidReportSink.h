#pragma once

#include "engine/hid/IHidBackend.h"
#include "engine/hid/UsbDevice_Win32Private.h"
#include "engine/output/IHidReportSink.h"
#include "engine/output/VirtualHidDevice.h"

#include "BuildConfig.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>

// Output reports written to the virtual HID device, through a handle of this sink's own.
// A write that has not completed within WriteTimeout is cancelled and counts as failed.
class VirtualHidReportSink : public IHidReportSink
{
public:
    static constexpr std::chrono::milliseconds WriteTimeout{5};

    explicit VirtualHidReportSink(std::shared_ptr<IHidBackend> backend,
                                  std::uint16_t vendorId = BuildConfig::kVendorId,
                                  std::uint16_t productId = VirtualHidProductId);

    // Finds the virtual device and opens it; false when it is absent or cannot be opened.
    bool open() override;
    bool writeReport(const std::uint8_t *data, std::size_t size) override;

    // The opened device (closed until open succeeded).
    std::shared_ptr<UsbDevice_Win32Private> device() const { return virtualDevice; }

private:
    const std::shared_ptr<IHidBackend> backend;
    const std::uint16_t vendorId;
    const std::uint16_t productId;
    const std::shared_ptr<UsbDevice_Win32Private> virtualDevice;
};
