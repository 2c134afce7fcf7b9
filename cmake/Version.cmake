# The version that quellon.exe, its installer and the release files carry: the project's version, or
# QUELLON_VERSION_OVERRIDE when a release is stamped with another one (tools/release does that for
# its upgrade test). Writes the version header and the manifest of the program's resources into
# QUELLON_GENERATED_DIR, and the bare version into VERSION in the build tree for tools/release.

set(QUELLON_VERSION_OVERRIDE "" CACHE STRING
    "Version MAJOR.MINOR.PATCH to stamp instead of the project's (empty: the project's)")
if(QUELLON_VERSION_OVERRIDE)
  set(QUELLON_VERSION ${QUELLON_VERSION_OVERRIDE})
else()
  set(QUELLON_VERSION ${PROJECT_VERSION})
endif()

# Windows Installer reads three fields of at most 255.255.65535; a fourth would be ignored, so that
# two releases differing only there could not replace each other.
if(NOT QUELLON_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "version '${QUELLON_VERSION}' is not MAJOR.MINOR.PATCH")
endif()
set(QUELLON_VERSION_MAJOR ${CMAKE_MATCH_1})
set(QUELLON_VERSION_MINOR ${CMAKE_MATCH_2})
set(QUELLON_VERSION_PATCH ${CMAKE_MATCH_3})
if(QUELLON_VERSION_MAJOR GREATER 255 OR QUELLON_VERSION_MINOR GREATER 255
   OR QUELLON_VERSION_PATCH GREATER 65535)
  message(FATAL_ERROR "version '${QUELLON_VERSION}' exceeds 255.255.65535")
endif()

set(QUELLON_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/src/app/res/quellon_version.h.in
               ${QUELLON_GENERATED_DIR}/quellon_version.h @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/src/app/res/quellon.manifest.in
               ${QUELLON_GENERATED_DIR}/quellon.manifest @ONLY)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/VERSION CONTENT "@QUELLON_VERSION@\n" @ONLY)
