# What the tests build and run with, located once for the Windows and the native build.
#
# GoogleTest is built from Debian's sources with the project's own compiler and flags, so the cross build
# links a Windows GoogleTest and the sanitizer build an instrumented one; a prebuilt host library is never
# looked for.
set(DQ_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
if(NOT EXISTS ${DQ_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${DQ_GOOGLETEST_SOURCE_DIR}: install Debian's googletest")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
if(WIN32)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
endif()
add_subdirectory(${DQ_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest's own sources are not ours to keep warning-free.
foreach(t gtest gtest_main)
  target_compile_options(${t} PRIVATE -w)
endforeach()

# Debian's Python, which has the modules the tests and the skin generator use (Pillow); the python3 first on
# PATH may be another build without them.
find_program(DQ_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
             DOC "Python 3 with Debian's modules")
if(NOT DQ_PYTHON)
  message(FATAL_ERROR "No /usr/bin/python3: install Debian's python3 and python3-pil")
endif()
