# Cross build of the 32-bit Windows program with Debian's mingw-w64 compilers.
#
# The posix-threads variants are used because GoogleTest (and std::thread/std::mutex in general) need
# the gthreads of winpthread; the win32-threads variants fail in gtest-port.h. Everything the C and C++
# runtimes need is linked statically, so the exe depends only on DLLs that Windows itself ships.
# Tests of this build run under Wine through tools/wine-run.

set(CMAKE_SYSTEM_PROCESSOR x86)
set(QUELLON_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain-common.cmake)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
