#pragma once

#include "engine/apps/ProcessEntry.h"
#include "ipc/ApplicationCode.h"

#include <QString>

#include <map>

// The numbers of the drawing applications that QZTablet knows. A code above 255 names one
// version of an application: its family is the high byte, its version the low byte.

// Profile name of a known application to its code ("PS" and "Photoshop" are both 6).
const std::map<QString, ApplicationCode> &applicationNameTable();
// The code of a profile name, or kUnrecognisedApplicationCode.
ApplicationCode applicationCodeOfName(const QString &profileName);

// The code of a running program, from its name and executable path.
ApplicationCode applicationCodeOf(const ProcessEntry &process);

// The code itself below 256, else its high byte.
ApplicationCode applicationFamily(ApplicationCode code);
// The low byte of a versioned code, 0 for a family code.
std::uint32_t applicationVersion(ApplicationCode code);
ApplicationCode versionedApplicationCode(ApplicationCode family, std::uint32_t version);

// Both codes are known and name the same family (1..254).
bool sameApplicationFamily(ApplicationCode a, ApplicationCode b);
