#pragma once

#include "engine/hid/IHidBackend.h"

// The machine's HID interfaces, through SetupAPI and the HID API.
class HidBackend_Win32 : public IHidBackend
{
public:
    // Paths are converted between UTF-16 and narrow text with the thread's ANSI code page.
    std::vector<HidInterface> enumerateInterfaces() override;
    std::unique_ptr<IHidHandle> open(const std::string &path) override;
};
