# Windows targets. On Linux: the MinGW-w64 cross compiler for MINGW_PROCESSOR (posix threads, which GoogleTest
# needs) with Wine running the tests; on Windows: the MSYS2 mingw compilers on PATH. Included by the two
# per-processor toolchain files.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_PROCESSOR})

if(CMAKE_HOST_WIN32)
  set(CMAKE_C_COMPILER gcc)
  set(CMAKE_CXX_COMPILER g++)
  set(CMAKE_RC_COMPILER windres)
else()
  set(triplet ${MINGW_PROCESSOR}-w64-mingw32)
  set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
  set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
  set(CMAKE_RC_COMPILER ${triplet}-windres)
  set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
  # Wine's own loader for that bitness, called directly: the `wine` script tries the 32-bit one first.
  find_program(WINE_LOADER_${MINGW_PROCESSOR} NAMES ${MINGW_WINE_LOADER} PATHS /usr/lib/wine NO_DEFAULT_PATH)
  if(WINE_LOADER_${MINGW_PROCESSOR})
    set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_LOADER_${MINGW_PROCESSOR}})
  endif()
endif()

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
