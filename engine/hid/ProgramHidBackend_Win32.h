#pragma once

#include "engine/hid/IHidBackend.h"

#include <memory>

// The HID backend of the program, chosen once at start-up: the simulated bus when
// QZTABLET_SIMULATED_HID names a usable description file, else the system's HID. A description
// that cannot be used is reported on standard error.
std::shared_ptr<IHidBackend> createProgramHidBackend();
