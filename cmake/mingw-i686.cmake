# The 32-bit Windows program (PE32, i386).
set(MINGW_PROCESSOR i686)
set(MINGW_WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
