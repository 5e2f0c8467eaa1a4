# GoogleTest/GoogleMock from Debian's source tree, built for whichever target this is.
enable_testing()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)
set(MARV_TEST_BIN ${CMAKE_BINARY_DIR}/testbin)

# marv_test(<name> SOURCES ... [LIBS ...] [TIMEOUT s] [WINDOWS_ONLY] [NATIVE_ONLY])
# One test executable; each GoogleTest case becomes a ctest test with its own timeout.
# Windows executables run through Wine (CMAKE_CROSSCOMPILING_EMULATOR).
function(marv_test name)
  cmake_parse_arguments(T "WINDOWS_ONLY;NATIVE_ONLY" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(T_WINDOWS_ONLY AND NOT WIN32)
    return()
  endif()
  if(T_NATIVE_ONLY AND WIN32)
    return()
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 60)
  endif()
  # The program's library leaves the update addresses to the program: tests get ones on
  # this machine.
  if("marv_app" IN_LIST T_LIBS)
    list(APPEND T_LIBS marv_test_addresses)
  endif()
  add_executable(${name} ${T_SOURCES})
  # Windows tests share one folder, where the test doubles (powershell.exe) sit beside them.
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${MARV_TEST_BIN})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY ${MARV_TEST_BIN}
    PROPERTIES TIMEOUT ${T_TIMEOUT})
endfunction()

# A Windows test program that carries the program's internal skins: its resource script
# `rc` includes the generated SlateSkin.rc, whose stored skin the native tool build makes.
function(marv_test_embeds_program_skins target rc)
  target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/resources/skins/rc)
  add_dependencies(${target} host_tools)
  set_source_files_properties(${rc} PROPERTIES
    OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/host-tools/resources/skins/Slate.stored)
endfunction()
