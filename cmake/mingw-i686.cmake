# Cross-builds the Windows program for 32-bit Windows, the program's original target.
set(VELMORA_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
