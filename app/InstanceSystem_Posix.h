#pragma once

#include "app/InstanceSystem.h"

// This process, the login name of its user, and kill(pid, 0) for the check.
InstanceSystem posixInstanceSystem();
