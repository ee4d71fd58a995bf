# Compiler settings shared by every target of the three trees.

add_compile_options(-Wall -Wextra -Wno-unused-parameter)
add_compile_definitions(QT_DEPRECATED_WARNINGS QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

# Doubles are rounded alike in every build: the 32-bit program computes on SSE2 like the 64-bit
# builds (whose tests stand in for it on machines that cannot run 32-bit programs), not with the
# x87 unit's extended precision; no build fuses a multiply and an add.
add_compile_options(-ffp-contract=off)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86|i[3-6]86)$")
  add_compile_options(-msse2 -mfpmath=sse)
endif()

if(WIN32)
  # Windows 7 API level, Unicode-neutral calls spelled explicitly (A/W) in the code.
  add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 NOMINMAX WIN32_LEAN_AND_MEAN)
endif()

# The native tree exists to run the tests under the sanitizers: -O1 is what they are made for,
# and line tables are enough for their reports (full debug info doubles the compile time).
# QZ_SANITIZER=thread builds a ThreadSanitizer tree instead (of the tests that start threads).
function(qz_enable_sanitizers)
  if(QZ_SANITIZER STREQUAL "thread")
    set(flags -fsanitize=thread -fno-omit-frame-pointer)
  else()
    set(flags -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  endif()
  add_compile_options(${flags} -O1 -g1)
  add_link_options(${flags})
  if(NOT QZ_SANITIZER STREQUAL "thread")
    # Every test case runs in a process of its own: a position-independent test program would
    # first relocate about 470,000 addresses of its instrumented code and data, a fixed one 40,000.
    add_link_options(-no-pie)
  endif()
endfunction()

# A static library of portable or platform code; include paths start at the source root.
function(qz_add_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
endfunction()

# The Windows trees link every program and library stripped, with its debug information in a file
# beside it (QZTablet.exe.debug, Nibwire.dll.debug, ...) that the binary names in its
# .gnu_debuglink section, where gdb looks for it. The shipped files are a fifth (QZTablet.exe)
# and a tenth (Nibwire.dll) of their size with debug information, which the system would map
# with them; the debug files stay with the build to read crash dumps. Under Wine a test program
# starts with half the system time once stripped, and every test case is a process of its own.
if(WIN32)
  set(qz_keep_debug_info_beside
      "${CMAKE_OBJCOPY} --only-keep-debug <TARGET> <TARGET>.debug"
      "${CMAKE_STRIP} --strip-all <TARGET>"
      "${CMAKE_OBJCOPY} --add-gnu-debuglink=<TARGET>.debug <TARGET>")
  foreach(language C CXX)
    list(APPEND CMAKE_${language}_LINK_EXECUTABLE ${qz_keep_debug_info_beside})
    list(APPEND CMAKE_${language}_CREATE_SHARED_LIBRARY ${qz_keep_debug_info_beside})
  endforeach()
endif()
