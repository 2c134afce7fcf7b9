# What every target of the Windows build shares. Included by the top-level CMakeLists.txt when
# WIN32, before any target is made.
#
# The program uses the ANSI API throughout: UNICODE/_UNICODE stay undefined so that the A functions
# and char strings are the defaults, and texts keep their Windows-1252 bytes.

set(QUELLON_WIN32_DEFINITIONS
    _WIN32_WINNT=0x0501  # Windows XP
    WINVER=0x0501
    _WIN32_IE=0x0600  # common controls 6
    NOMINMAX)
add_compile_definitions(${QUELLON_WIN32_DEFINITIONS})

# A MinGW build on Windows itself gets the same static runtime as the cross build.
if(MINGW AND NOT CMAKE_CROSSCOMPILING)
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# The program starts no thread of its own, and everything that calls into it (window messages,
# COM in its single-threaded apartment) does so on its window's thread: its function-local statics
# need no lock around their first use, and the exe does without the runtime's locking code.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-fno-threadsafe-statics>)
