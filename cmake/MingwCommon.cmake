# Shared by both mingw toolchain files; QZ_TRIPLE names the target.
set(CMAKE_C_COMPILER ${QZ_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QZ_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QZ_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QZ_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
# No runtime DLLs beside the binaries: libstdc++, libgcc and winpthread are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
