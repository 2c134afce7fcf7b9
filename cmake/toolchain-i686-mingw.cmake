# Cross build of the 32-bit Windows program with Debian's mingw-w64 compilers.
#
# The posix-threads variants are used because GoogleTest (and std::thread/std::mutex in general) need
# the gthreads of winpthread; the win32-threads variants fail in gtest-port.h. Everything the C and C++
# runtimes need is linked statically, so the exe depends only on DLLs that Windows itself ships.
# Tests of this build run under Wine through tools/wine-run.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(QUELLON_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${QUELLON_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUELLON_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUELLON_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUELLON_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# -static takes libgcc, libstdc++ and libwinpthread from their archives instead of their DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
