# 32-bit Windows (QZTablet): Debian's mingw-w64 with posix threads, static runtime and static Qt.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QZ_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwCommon.cmake)

set(QZ_QT_PREFIX /opt/qt5-i686-w64-mingw32 CACHE PATH "Static Qt 5.15 for i686-w64-mingw32")
list(APPEND CMAKE_PREFIX_PATH ${QZ_QT_PREFIX})
list(APPEND CMAKE_FIND_ROOT_PATH ${QZ_QT_PREFIX})
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-test-run.sh;32)
