# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(HALYARD_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${HALYARD_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HALYARD_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER  ${HALYARD_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${HALYARD_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Test programs run under 64-bit Wine, through the project's wrapper.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
