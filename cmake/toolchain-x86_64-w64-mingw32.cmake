# 64-bit Windows (Nibwire; and QZTablet's test build on machines without 32-bit support):
# Debian's mingw-w64 with posix threads and static runtime.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(QZ_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwCommon.cmake)

set(QZ_QT_PREFIX /opt/qt5-x86_64-w64-mingw32 CACHE PATH "Static Qt 5.15 for x86_64-w64-mingw32")
list(APPEND CMAKE_PREFIX_PATH ${QZ_QT_PREFIX})
list(APPEND CMAKE_FIND_ROOT_PATH ${QZ_QT_PREFIX})
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-test-run.sh;64)
