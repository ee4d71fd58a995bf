#pragma once

#include "engine/core/EnginePlatform.h"

// The engine's services on Windows: the program's HID backend (the system's, or the simulated
// bus that QZTABLET_SIMULATED_HID names), the arrival listener, the drivers on the virtual HID
// device, the display manager, the cursor, the foreground program, the running programs and
// program start. The program adds the application profiles, the translation of action words and
// the tip.
EnginePlatform createWindowsEnginePlatform();
