#pragma once

// The user-mode HID API. Its headers declare no C linkage of their own.
#include <windows.h>

extern "C" {
#include <hidsdi.h>
}
