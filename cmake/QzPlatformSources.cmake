# qz_split_sources(DIR PORTABLE_VAR WIN32_VAR [EXCLUDE regex...])
# The .cpp files of DIR: those named *_Win32.cpp call the Windows API and build only in the
# Windows trees; every other file is portable and builds natively as well.
function(qz_split_sources dir portable_var win32_var)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  foreach(pattern ${ARGN})
    list(FILTER sources EXCLUDE REGEX "${pattern}")
  endforeach()
  set(win32_sources ${sources})
  list(FILTER sources EXCLUDE REGEX "_Win32\\.cpp$")
  list(FILTER win32_sources INCLUDE REGEX "_Win32\\.cpp$")
  set(${portable_var} ${sources} PARENT_SCOPE)
  set(${win32_var} ${win32_sources} PARENT_SCOPE)
endfunction()
