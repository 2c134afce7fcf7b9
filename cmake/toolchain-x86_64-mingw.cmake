# Cross build of the Windows code for x86_64, a test vehicle only: on a machine that cannot run
# 32-bit programs the Windows tests run in this build under 64-bit Wine. The product stays the
# 32-bit quellon.exe of cmake/toolchain-i686-mingw.cmake, whose choices it shares
# (cmake/mingw-toolchain-common.cmake): the posix-threads compilers and static runtimes.

set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(QUELLON_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain-common.cmake)

# tools/wine-run in its 64-bit mode: a 64-bit prefix run by Wine's 64-bit loader. The tests that
# call tools/wine-run themselves (the fixture, tools/wine-screen) get the mode from their
# environment (tests/win32/CMakeLists.txt).
set(QUELLON_WINE_ARCH win64)
set(CMAKE_CROSSCOMPILING_EMULATOR env QUELLON_WINE_ARCH=${QUELLON_WINE_ARCH}
    ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
