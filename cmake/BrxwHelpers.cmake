# SPDX-License-Identifier: GPL-3.0-or-later
# One helper makes each library with its alias and its warnings; another makes each test.
# Dependencies run one way: brxw_core (logic) never links QtGui or QtWidgets.

set(BRXW_WARNINGS -Wall -Wextra -Wpedantic)

function(brxw_apply_common target)
  target_compile_options(${target} PRIVATE ${BRXW_WARNINGS})
  if(BRXW_SANITIZE)
    string(REPLACE ";" "," _san "${BRXW_SANITIZE}")
    target_compile_options(${target} PRIVATE -fsanitize=${_san} -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=${_san})
  endif()
endfunction()

# brxw_add_library(<name> ALIAS <alias> [SOURCES ...] [PUBLIC_DEPS ...] [PRIVATE_DEPS ...])
function(brxw_add_library name)
  cmake_parse_arguments(ARG "" "ALIAS" "SOURCES;PUBLIC_DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  if(ARG_ALIAS)
    add_library(${ARG_ALIAS} ALIAS ${name})
  endif()
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  brxw_apply_common(${name})
endfunction()

# brxw_import_platforms(<target>): with a static Qt (the Windows build) the platform plugins are
# linked in: Windows' own, and offscreen for the tests and the headless demo. A program without
# QtGui ignores them.
function(brxw_import_platforms target)
  if(TARGET Qt6::QOffscreenIntegrationPlugin AND TARGET Qt6::QWindowsIntegrationPlugin)
    qt_import_plugins(${target}
      INCLUDE Qt6::QWindowsIntegrationPlugin Qt6::QOffscreenIntegrationPlugin)
  endif()
endfunction()

# brxw_add_executable(<name> SOURCES ... DEPS ...)
function(brxw_add_executable name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  brxw_apply_common(${name})
  brxw_import_platforms(${name})
endfunction()

# brxw_add_test(<name> SOURCES ... DEPS ... LABELS <one label>)
# logic (no display, no threads of ours), threaded (the receive thread runs), widget (offscreen
# windows), e2e (the client against the peer over loopback: threads on both sides).
# The sanitizer passes of ./run test choose tests by these labels.
function(brxw_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE BRXW_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  brxw_apply_common(${name})
  brxw_import_platforms(${name})
  if(CMAKE_CROSSCOMPILING)
    # One test per program, run by the emulator (Wine): listing the cases would start each
    # program once per case.
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    return()
  endif()
  include(GoogleTest)
  gtest_discover_tests(${name}
    PROPERTIES LABELS "${ARG_LABELS}" ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
