# The Windows programs: quellon.exe, the scenario runner on the real window, and the stand-in card
# filter that the tests and the demo register. Included by the top-level CMakeLists.txt when WIN32,
# after the layers (whose win32/ folders hold the backends: registry, DirectShow, the window).

# quellon.exe: the program entry with its icon, manifest and version resource. The version header
# and the manifest are generated into QUELLON_GENERATED_DIR, which every user of the resources
# includes.
enable_language(RC)
include(${CMAKE_CURRENT_LIST_DIR}/Version.cmake)
set(QUELLON_RESOURCES ${CMAKE_SOURCE_DIR}/src/app/res/quellon.rc)
set_source_files_properties(${QUELLON_RESOURCES} PROPERTIES OBJECT_DEPENDS
  "${QUELLON_GENERATED_DIR}/quellon.manifest;${QUELLON_GENERATED_DIR}/quellon_version.h;\
${CMAKE_SOURCE_DIR}/src/app/res/quellon.ico")
add_executable(quellon WIN32 src/app/win32/quellon_win32_main.cpp ${QUELLON_RESOURCES})
target_include_directories(quellon PRIVATE ${QUELLON_GENERATED_DIR})
target_link_libraries(quellon PRIVATE quellon_app)
target_compile_options(quellon PRIVATE ${QUELLON_WARNINGS})

# quellon.com: the console front end, a console program that starts quellon.exe from its folder,
# waits for it and ends with its exit code (src/app/win32/quellon_console_main.cpp). Its resources
# are quellon.exe's under its own name.
set(QUELLON_CONSOLE_RESOURCES ${CMAKE_SOURCE_DIR}/src/app/res/quellon_console.rc)
set_source_files_properties(${QUELLON_CONSOLE_RESOURCES} PROPERTIES OBJECT_DEPENDS
  "${QUELLON_GENERATED_DIR}/quellon.manifest;${QUELLON_GENERATED_DIR}/quellon_version.h;\
${CMAKE_SOURCE_DIR}/src/app/res/quellon.ico;${CMAKE_SOURCE_DIR}/src/app/res/quellon.rc")
add_executable(quellon-console src/app/win32/quellon_console_main.cpp ${QUELLON_CONSOLE_RESOURCES})
# The import library MinGW writes for every exe gets a name of its own, not quellon.exe's.
set_target_properties(quellon-console PROPERTIES OUTPUT_NAME quellon SUFFIX .com
                                                 ARCHIVE_OUTPUT_NAME quellon-console)
target_include_directories(quellon-console PRIVATE ${QUELLON_GENERATED_DIR})
target_link_libraries(quellon-console PRIVATE quellon_base)
target_link_options(quellon-console PRIVATE -mconsole)
target_compile_options(quellon-console PRIVATE ${QUELLON_WARNINGS})

# The stand-in card filter that test and demo prefixes register in place of the cards' drivers.
add_subdirectory(${CMAKE_SOURCE_DIR}/tools/standin_filter ${CMAKE_BINARY_DIR}/tools/standin_filter)

# quellon-scenario-win32: the scenario runner driving the real window under the same resources.
# The real-window driver is a library of its own, so that the Windows tests can use it too; the
# devices a script adds are served by the stand-in card filter.
file(GLOB QUELLON_SCENARIO_WIN32_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/src/scenario/win32/*.cpp)
list(FILTER QUELLON_SCENARIO_WIN32_SOURCES EXCLUDE REGEX "_main\\.cpp$")
add_library(quellon_scenario_win32 STATIC ${QUELLON_SCENARIO_WIN32_SOURCES})
target_link_libraries(quellon_scenario_win32 PUBLIC quellon_scenario quellon_standin_setup)
target_compile_options(quellon_scenario_win32 PRIVATE ${QUELLON_WARNINGS})
add_executable(quellon-scenario-win32 src/scenario/win32/scenario_win32_main.cpp
               ${QUELLON_RESOURCES})
target_include_directories(quellon-scenario-win32 PRIVATE ${QUELLON_GENERATED_DIR})
target_link_libraries(quellon-scenario-win32 PRIVATE quellon_scenario_win32)
target_compile_options(quellon-scenario-win32 PRIVATE ${QUELLON_WARNINGS})
