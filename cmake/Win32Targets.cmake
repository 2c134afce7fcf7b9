# The Windows half of the program: the *_win32.cpp backends (registry, DirectShow, the window) as one
# static library on top of the portable core. Included by the top-level CMakeLists.txt when WIN32.
#
# The program uses the ANSI API throughout: UNICODE/_UNICODE stay undefined so that the A functions
# and char strings are the defaults, and texts keep their Windows-1252 bytes.

set(QUELLON_WIN32_SYSTEM_LIBS
    advapi32  # registry
    ole32     # COM: CoInitialize, CoCreateInstance
    oleaut32  # OleCreatePropertyFrame, variants and BSTRs of the property bags
    uuid      # IIDs of the COM interfaces
    strmiids  # DirectShow CLSIDs and IIDs
    comctl32  # tabs, trackbars, tooltips
    comdlg32
    shell32
    gdi32
    user32)

set(QUELLON_WIN32_DEFINITIONS
    _WIN32_WINNT=0x0501  # Windows XP
    WINVER=0x0501
    _WIN32_IE=0x0600  # common controls 6
    NOMINMAX)

# Without backends yet the library is an interface that still carries the system libraries and the
# definitions, so that everything linking it is set up as it will be.
if(QUELLON_WIN32_SOURCES)
  add_library(quellon_win32 STATIC ${QUELLON_WIN32_SOURCES})
  target_compile_options(quellon_win32 PRIVATE ${QUELLON_WARNINGS})
  set(quellon_win32_scope PUBLIC)
else()
  add_library(quellon_win32 INTERFACE)
  set(quellon_win32_scope INTERFACE)
endif()
target_link_libraries(quellon_win32 ${quellon_win32_scope} quellon_core ${QUELLON_WIN32_SYSTEM_LIBS})
target_compile_definitions(quellon_win32 ${quellon_win32_scope} ${QUELLON_WIN32_DEFINITIONS})

# A MinGW build on Windows itself gets the same static runtime as the cross build.
if(MINGW AND NOT CMAKE_CROSSCOMPILING)
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# quellon.exe: the program entry with its icon, manifest and version resource. The version header
# and the manifest are generated into QUELLON_GENERATED_DIR, which every user of the resources
# includes.
enable_language(RC)
include(${CMAKE_CURRENT_LIST_DIR}/Version.cmake)
set(QUELLON_RESOURCES ${CMAKE_SOURCE_DIR}/src/app/res/quellon.rc)
set_source_files_properties(${QUELLON_RESOURCES} PROPERTIES OBJECT_DEPENDS
  "${QUELLON_GENERATED_DIR}/quellon.manifest;${QUELLON_GENERATED_DIR}/quellon_version.h;\
${CMAKE_SOURCE_DIR}/src/app/res/quellon.ico")
add_executable(quellon WIN32 src/app/quellon_win32_main.cpp ${QUELLON_RESOURCES})
target_include_directories(quellon PRIVATE ${QUELLON_GENERATED_DIR})
target_link_libraries(quellon PRIVATE quellon_win32 quellon_core)
target_compile_options(quellon PRIVATE ${QUELLON_WARNINGS})

# quellon-scenario-win32: the scenario runner driving the real window under the same resources.
file(GLOB QUELLON_SCENARIO_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/scenario/*_win32.cpp)
if(QUELLON_SCENARIO_WIN32_SOURCES AND EXISTS ${CMAKE_SOURCE_DIR}/src/scenario/scenario_win32_main.cpp)
  # The real-window driver as a library of its own, so that the Windows tests can use it too.
  add_library(quellon_scenario_win32 STATIC ${QUELLON_SCENARIO_WIN32_SOURCES})
  # The devices a script adds are served by the stand-in card filter.
  target_link_libraries(quellon_scenario_win32 PUBLIC quellon_scenario quellon_win32 quellon_core
                        quellon_standin_setup)
  target_compile_options(quellon_scenario_win32 PRIVATE ${QUELLON_WARNINGS})
  add_executable(quellon-scenario-win32 src/scenario/scenario_win32_main.cpp ${QUELLON_RESOURCES})
  target_include_directories(quellon-scenario-win32 PRIVATE ${QUELLON_GENERATED_DIR})
  target_link_libraries(quellon-scenario-win32 PRIVATE quellon_scenario_win32)
  target_compile_options(quellon-scenario-win32 PRIVATE ${QUELLON_WARNINGS})
endif()

# The stand-in card filter that test and demo prefixes register in place of the cards' drivers.
add_subdirectory(${CMAKE_SOURCE_DIR}/tools/standin_filter ${CMAKE_BINARY_DIR}/tools/standin_filter)
