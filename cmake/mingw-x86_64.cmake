# The 64-bit Windows program (PE32+, x86-64).
set(MINGW_PROCESSOR x86_64)
set(MINGW_WINE_LOADER wine64)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
