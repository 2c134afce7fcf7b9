# Cross build of the Windows code for x86_64, a test vehicle only: on a machine that cannot run
# 32-bit programs the Windows tests run in this build under 64-bit Wine. The product stays the
# 32-bit quellon.exe of cmake/toolchain-i686-mingw.cmake, whose choices this file repeats: the
# posix-threads compilers (GoogleTest needs winpthread's gthreads) and static runtimes.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(QUELLON_MINGW_TRIPLE x86_64-w64-mingw32)
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

# tools/wine-run in its 64-bit mode: a 64-bit prefix run by Wine's 64-bit loader. The tests that
# call tools/wine-run themselves (the fixture, tools/wine-screen) get the mode from their
# environment (tests/win32/CMakeLists.txt).
set(QUELLON_WINE_ARCH win64)
set(CMAKE_CROSSCOMPILING_EMULATOR env QUELLON_WINE_ARCH=${QUELLON_WINE_ARCH}
    ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
