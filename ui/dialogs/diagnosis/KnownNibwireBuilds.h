#pragma once

#include "ui/dialogs/diagnosis/NibwireLookup.h"

// The Wintab library builds that this project made, by digest, for the 64-bit or the 32-bit
// library. The 64-bit table holds the library built beside this program; no 32-bit library is
// built, so that table is empty.
const NibwireLookup::DigestTable &knownNibwireBuilds(bool x64);
