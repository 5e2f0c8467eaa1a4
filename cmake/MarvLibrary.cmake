# marv_folder_library(<name> [LINKS ...]): one folder, one static library of its .cpp files.
# Files named *_win.cpp build only for Windows, *_native.cpp only on Linux. LINKS are the
# lower layers the folder may use (docs/architecture.md lists them).
function(marv_folder_library name)
  cmake_parse_arguments(L "" "" "LINKS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "_native\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win\\.cpp$")
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${L_LINKS})
endfunction()
