#pragma once

#include "ipc/IoStatus.h"

#include <cstdint>
#include <string>
#include <vector>

// Plain records and results of the HID access seam (IHidBackend, IHidHandle).

// One present HID interface, as enumeration found it.
struct HidInterface
{
    std::string path;                     // narrow text, as the system spells it
    std::vector<std::string> hardwareIds; // empty when the device has no hardware-id property
};

struct HidAttributes
{
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
};

struct HidCapabilities
{
    std::uint16_t usagePage = 0;          // of the top-level collection
    std::uint16_t inputReportLength = 0;  // report id included
    std::uint16_t outputReportLength = 0; // report id included
};

// How one read, write or indexed-string request ended.
using HidIoStatus = IoStatus;
