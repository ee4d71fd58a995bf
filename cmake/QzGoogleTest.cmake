# GoogleTest and GoogleMock, built from Debian's sources by the tree's own compiler.
include(GoogleTest)

set(QZ_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
if(NOT EXISTS ${QZ_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${QZ_GOOGLETEST_SOURCE} (package googletest)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(CMAKE_AUTOMOC OFF)
add_subdirectory(${QZ_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
set(CMAKE_AUTOMOC ON)

# Test code is compiled for a short build rather than fast code: -O1 with line tables only takes
# a third of the time of -O2 with full debug info, and the tests run just as well.
set(QZ_TEST_COMPILE_OPTIONS -O1 -g1)
foreach(target gtest gmock)
  target_compile_options(${target} PRIVATE ${QZ_TEST_COMPILE_OPTIONS})
endforeach()

# Qt's test library compiles the build folder into every test (for QFINDTESTDATA, unused here);
# that path would make each checkout's test objects differ and miss the compiler cache.
function(qz_drop_qt_testcase_builddir)
  if(TARGET Qt5::Test)
    get_target_property(definitions Qt5::Test INTERFACE_COMPILE_DEFINITIONS)
    if(definitions)
      list(FILTER definitions EXCLUDE REGEX "^QT_TESTCASE_BUILDDIR=")
      set_target_properties(Qt5::Test PROPERTIES INTERFACE_COMPILE_DEFINITIONS "${definitions}")
    endif()
  endif()
endfunction()

# qz_add_test(NAME SOURCES ... [LIBS ...] [QT|GUI] [LOCK resource])
# One test executable; each GoogleTest case becomes a CTest test, listed when CTest runs
# (under Wine in the Windows trees, through CMAKE_CROSSCOMPILING_EMULATOR).
# QT: the executable gets a main that creates a QCoreApplication first;
# GUI: a QGuiApplication instead (offscreen unless QT_QPA_PLATFORM says otherwise);
# WIDGETS: a QApplication, for windows and dialogs;
# OFFSCREEN (with GUI or WIDGETS): Qt's offscreen platform in every tree, also under Wine, so that
# windows of tests running side by side do not take each other's activation and focus.
# LOCK: no two tests that name the same resource run at once (objects of the Windows session).
# FIXTURE with FIXTURE_TESTS (a GoogleTest filter such as "FullDisk.*"): the tests that the filter
# selects need that CTest fixture and run one at a time; the others do not.
# LONG_TESTS (a GoogleTest filter): tests whose work is slow by nature (Wine writing a crash dump
# takes 10 s idle and near a minute on a loaded machine) get three minutes instead of one.
function(qz_add_test name)
  cmake_parse_arguments(arg "QT;GUI;WIDGETS;OFFSCREEN" "LOCK;FIXTURE;FIXTURE_TESTS;LONG_TESTS" "SOURCES;LIBS" ${ARGN})
  qz_drop_qt_testcase_builddir()
  add_executable(${name} ${arg_SOURCES})
  if(arg_WIDGETS)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/QtGuiTestMain.cpp)
    target_compile_definitions(${name} PRIVATE QZ_TEST_WIDGETS)
    target_link_libraries(${name} PRIVATE gmock Qt5::Widgets Qt5::Test ${arg_LIBS})
  elseif(arg_GUI)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/QtGuiTestMain.cpp)
    target_link_libraries(${name} PRIVATE gmock Qt5::Gui Qt5::Test ${arg_LIBS})
  elseif(arg_QT)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/QtTestMain.cpp)
    target_link_libraries(${name} PRIVATE gmock Qt5::Test ${arg_LIBS})
  else()
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/TestMain.cpp)
    target_link_libraries(${name} PRIVATE gmock ${arg_LIBS})
  endif()
  if(arg_OFFSCREEN)
    target_compile_definitions(${name} PRIVATE QZ_TEST_OFFSCREEN)
    if(WIN32)
      qt5_import_plugins(${name} INCLUDE Qt5::QOffscreenIntegrationPlugin)
    endif()
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_compile_options(${name} PRIVATE ${QZ_TEST_COMPILE_OPTIONS})
  if(WIN32)
    # Sections that start on page boundaries in the file are mapped by Wine as they are; at the
    # usual 512-byte alignment Wine copies each into memory of its own as every test case's
    # process starts.
    target_link_options(${name} PRIVATE -Wl,--file-alignment,0x1000)
  endif()
  # The source tree's root reaches the tests through the environment (see SourceTreePath.h).
  # The slowest test takes about 16 s on an idle machine; 60 s leaves room for a loaded one.
  set(properties TIMEOUT 60 ENVIRONMENT QZ_SOURCE_DIR=${PROJECT_SOURCE_DIR})
  if(arg_LOCK)
    list(APPEND properties RESOURCE_LOCK ${arg_LOCK})
  endif()
  set(discover ${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
  set(others "")
  if(arg_FIXTURE)
    gtest_discover_tests(${discover} TEST_FILTER "${arg_FIXTURE_TESTS}"
                         PROPERTIES ${properties} FIXTURES_REQUIRED ${arg_FIXTURE} RESOURCE_LOCK ${arg_FIXTURE})
    list(APPEND others ${arg_FIXTURE_TESTS})
  endif()
  if(arg_LONG_TESTS)
    gtest_discover_tests(${discover} TEST_FILTER "${arg_LONG_TESTS}" PROPERTIES ${properties} TIMEOUT 180)
    list(APPEND others ${arg_LONG_TESTS})
  endif()
  if(others)
    list(JOIN others ":" others)
    gtest_discover_tests(${discover} TEST_FILTER "-${others}" PROPERTIES ${properties})
  else()
    gtest_discover_tests(${discover} PROPERTIES ${properties})
  endif()
endfunction()
