#pragma once

#include "ui/dialogs/display/DdcMonitorAccess.h"

// The display manager's DDC/CI interfaces (the system's, or simulated monitors when
// QZTABLET_SIMULATED_DDC asks for them), with the displays found in the order their `init` uses.
DdcMonitorAccess systemDdcMonitorAccess();
