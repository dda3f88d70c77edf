# Cross build for 64-bit Windows with the mingw-w64 compilers (Debian package mingw-w64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ARBOVANE_MINGW_PREFIX x86_64-w64-mingw32)
# The posix thread model gives std::thread and std::mutex; the win32 one lacks them in GCC 12.
find_program(CMAKE_C_COMPILER NAMES ${ARBOVANE_MINGW_PREFIX}-gcc-posix ${ARBOVANE_MINGW_PREFIX}-gcc
             REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${ARBOVANE_MINGW_PREFIX}-g++-posix ${ARBOVANE_MINGW_PREFIX}-g++
             REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${ARBOVANE_MINGW_PREFIX}-windres)

# A Qt built for this target (scripts/build-windows.sh) is a second root: ARBOVANE_WINDOWS_QT.
set(CMAKE_FIND_ROOT_PATH /usr/${ARBOVANE_MINGW_PREFIX} ${ARBOVANE_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained executables: no compiler runtime DLLs to ship or to find under an emulator.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(ARBOVANE_WINE NAMES wine wine64)
if(ARBOVANE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ARBOVANE_WINE})
endif()
