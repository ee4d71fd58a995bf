# cmake -DLIBRARY=<Nibwire.dll or empty> -DVERSION=<version> -DOUTPUT=<header> -P NibwireBuildDigests.cmake
# Writes the header of the Nibwire builds that the diagnosis recognises: the SHA-256 digest of
# the 64-bit library that the nibwire tree built, with this project's version. Without the
# library (a tree with no nibwire tree beside it, or one built before it) the table is empty and
# the diagnosis reports every installed library as unknown. The header is rewritten only when
# its text changes, so an unchanged library rebuilds nothing.
set(entries "")
set(count 0)
if(LIBRARY AND EXISTS "${LIBRARY}")
  file(SHA256 "${LIBRARY}" digest)
  set(entries "{\"${digest}\", \"${VERSION}\"}")
  set(count 1)
elseif(LIBRARY)
  message(WARNING "${LIBRARY} is not built: the diagnosis will recognise no Nibwire build. "
                  "Build the nibwire tree before this one.")
endif()
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT
"// Generated at build time by cmake/NibwireBuildDigests.cmake; do not edit.
#pragma once

#include <array>

namespace NibwireBuildDigests {

struct Build
{
    const char *digest; // SHA-256, lowercase hexadecimal
    const char *version;
};

// The 64-bit library of the nibwire build tree.
inline constexpr std::array<Build, ${count}> kX64{{${entries}}};

} // namespace NibwireBuildDigests
")
