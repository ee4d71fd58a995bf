#pragma once

#include "app/InstanceSystem.h"

// This process, the Windows account name of the calling thread (the USERNAME variable when
// the account name cannot be read), and OpenProcess with GetExitCodeProcess for the check.
InstanceSystem windowsInstanceSystem();
