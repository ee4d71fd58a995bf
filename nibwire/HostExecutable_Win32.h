#pragma once
// The executable of the process that loaded the library, as host identification needs it.
#include "nibwire/HostIdentification.h"

#include <string>

namespace HostExecutable {

// The full path of the process's executable, UTF-8; empty when it cannot be read.
std::string fullPath();

// major * 256 + minor of the file's ProductVersion string; 0 when it has none.
int productVersion(const std::string &path);

// Identifies the host; the product version is read only when the file name asks for it.
HostIdentification::HostIdentity identify();

} // namespace HostExecutable
