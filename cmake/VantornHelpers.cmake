# Shared CMake helpers of the project.

# VANTORN_ONLY: an optional list of module paths (for example "src/core;tests/core") that
# limits the build to those directories; developers use it to build one area alone.
set(VANTORN_ONLY "" CACHE STRING "Build only these module directories (empty: all)")

function(_vantorn_wanted rel out)
  set(${out} TRUE PARENT_SCOPE)
  if(VANTORN_ONLY)
    set(${out} FALSE PARENT_SCOPE)
    foreach(w IN LISTS VANTORN_ONLY)
      string(FIND "${rel}/" "${w}/" pos)
      string(FIND "${w}/" "${rel}/" pos2)
      if(pos EQUAL 0 OR pos2 EQUAL 0)
        set(${out} TRUE PARENT_SCOPE)
      endif()
    endforeach()
  endif()
endfunction()

# Adds every direct subdirectory of DIR that has a CMakeLists.txt (or DIR itself if it has one).
function(vantorn_add_children dir)
  set(base ${CMAKE_CURRENT_SOURCE_DIR}/${dir})
  if(NOT IS_DIRECTORY ${base})
    return()
  endif()
  if(EXISTS ${base}/CMakeLists.txt)
    _vantorn_wanted(${dir} ok)
    if(ok)
      add_subdirectory(${base})
    endif()
    return()
  endif()
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${base} ${base}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    _vantorn_wanted(${dir}/${child} ok)
    if(ok AND IS_DIRECTORY ${base}/${child} AND EXISTS ${base}/${child}/CMakeLists.txt)
      add_subdirectory(${base}/${child})
    endif()
  endforeach()
endfunction()

# vantorn_gtest(NAME SOURCES... LIBS libs...)
# One GoogleTest executable whose cases ctest runs one by one.
find_package(GTest QUIET)
include(GoogleTest)
function(vantorn_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  # Shared test helpers: #include "support/..."
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "VANTORN_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
