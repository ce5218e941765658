# Cross build for 32-bit Windows with Debian's MinGW-w64 (posix threads).
# Compiled warning-free, never run: these machines cannot run 32-bit code.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(HALYARD_MINGW i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${HALYARD_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HALYARD_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER  ${HALYARD_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${HALYARD_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
