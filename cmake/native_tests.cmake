# Native builds: GoogleTest from the Debian sources, built with the same compiler and sanitizers as the
# code under test, and dq_add_fuzz_target() for libFuzzer targets.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest's own sources are not ours to keep warning-free.
foreach(t gtest gtest_main)
  target_compile_options(${t} PRIVATE -w)
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/fuzz.cmake)
