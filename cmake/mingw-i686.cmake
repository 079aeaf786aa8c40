# 32-bit Windows target. On Linux: the MinGW-w64 cross compiler (posix threads, which GoogleTest
# needs) with Wine running the tests; on Windows: the MSYS2 mingw32 compilers on PATH.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

if(CMAKE_HOST_WIN32)
  set(CMAKE_C_COMPILER gcc)
  set(CMAKE_CXX_COMPILER g++)
  set(CMAKE_RC_COMPILER windres)
else()
  set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
  set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
  set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
  set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
  find_program(WINE_PROGRAM NAMES wine REQUIRED)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_PROGRAM})
endif()

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
