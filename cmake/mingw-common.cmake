# What both mingw-w64 toolchain files share; VELMORA_MINGW_TRIPLET names the target.
set(CMAKE_SYSTEM_NAME Windows)
string(REGEX REPLACE "-.*" "" CMAKE_SYSTEM_PROCESSOR "${VELMORA_MINGW_TRIPLET}")

# The posix thread model gives the C++ runtime std::thread and std::mutex, which GoogleTest
# uses; Debian names those compilers with a -posix suffix.
find_program(CMAKE_C_COMPILER NAMES ${VELMORA_MINGW_TRIPLET}-gcc-posix ${VELMORA_MINGW_TRIPLET}-gcc
             REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${VELMORA_MINGW_TRIPLET}-g++-posix
             ${VELMORA_MINGW_TRIPLET}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${VELMORA_MINGW_TRIPLET}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtimes: the programs then need no DLL beside them, under Wine or on a bare Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# The .exe files run through Wine, so ctest works from a Linux shell.
find_program(VELMORA_WINE NAMES wine wine64)
if(VELMORA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VELMORA_WINE})
endif()
