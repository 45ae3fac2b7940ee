# Cross-builds the Windows program for 64-bit Windows with mingw-w64; tests run through Wine.
set(VELMORA_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
