# The host program's platform: a 32-bit Windows DLL, cross-built with Debian's MinGW-w64 (the
# POSIX-threads variant). Test programs run under Wine, which finds the compiler's runtime DLLs
# through WINEPATH.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
file(GLOB LOOMSET_MINGW_RUNTIME /usr/lib/gcc/i686-w64-mingw32/*-posix)
set(CMAKE_CROSSCOMPILING_EMULATOR
    env "WINEPATH=${LOOMSET_MINGW_RUNTIME}\;/usr/i686-w64-mingw32/lib" WINEDEBUG=-all wine)
