# The layers of src/: one static library per directory, linked only with the layers it may use.
#
# A layer sees the headers of exactly those layers. Each library gets an include root of its own,
# build/layers/<layer>/, holding one link <layer> -> src/<layer>; a library's include path is its own
# root and the roots of the layers it uses. An include of a layer it does not use ("app/form1.h" in
# settings/) names a file that is not there, and the build stops.

# quellon_layer(NAME [USES layer...] [PRIVATE_USES layer...] [WIN32_LIBS lib...] [NO_WIN32])
#   NAME          the directory below src/ and the library quellon_NAME
#   USES          layers whose headers the layer's own headers include: its users see them too
#   PRIVATE_USES  layers only its sources include
#   WIN32_LIBS    system libraries its Win32 backends need (Windows build only)
#   NO_WIN32      the files in src/NAME/win32/ are not part of this library
function(quellon_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 layer "NO_WIN32" "" "USES;PRIVATE_USES;WIN32_LIBS")
  set(dir ${CMAKE_SOURCE_DIR}/src/${name})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT WIN32 OR layer_NO_WIN32)
    list(FILTER sources EXCLUDE REGEX "/win32/")
  endif()
  # Program entries are executables of their own.
  list(FILTER sources EXCLUDE REGEX "_main\\.cpp$")

  set(root ${CMAKE_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${dir} ${root}/${name} RESULT linked SYMBOLIC)
  if(NOT linked EQUAL 0)
    # A host that cannot make links (Windows without the right to) builds with one shared root;
    # the Linux builds still hold every layer to its own.
    message(WARNING "cannot link ${root}/${name}: the layers of src/ share one include root here")
    set(root ${CMAKE_SOURCE_DIR}/src)
  endif()

  set(uses)
  foreach(used ${layer_USES})
    list(APPEND uses quellon_${used})
  endforeach()
  set(private_uses)
  foreach(used ${layer_PRIVATE_USES})
    list(APPEND private_uses quellon_${used})
  endforeach()
  if(WIN32)
    list(APPEND uses ${layer_WIN32_LIBS})
  endif()

  # What a source file of this layer sees, for quellon_layer_check.
  set_property(GLOBAL PROPERTY QUELLON_LAYER_VIEW_${name} quellon_${name} ${private_uses})

  if(sources)
    add_library(quellon_${name} STATIC ${sources})
    target_include_directories(quellon_${name} PUBLIC ${root})
    target_link_libraries(quellon_${name} PUBLIC ${uses} PRIVATE ${private_uses})
    target_compile_options(quellon_${name} PRIVATE ${QUELLON_WARNINGS})
  else()
    add_library(quellon_${name} INTERFACE)
    target_include_directories(quellon_${name} INTERFACE ${root})
    target_link_libraries(quellon_${name} INTERFACE ${uses} ${private_uses})
  endif()
endfunction()

# quellon_layer_check(LAYER HEADER): a test that a source file of LAYER cannot include HEADER, a
# header of a layer it does not use. The test compiles such a file with the layer's include path
# and passes when the compiler finds no such header.
function(quellon_layer_check layer header)
  string(MAKE_C_IDENTIFIER "layer_check_${layer}_${header}" target)
  set(source ${CMAKE_BINARY_DIR}/layer_checks/${target}.cpp)
  file(WRITE ${source} "// A file of ${layer}/ that reaches into a layer it does not use.\n"
                       "#include \"${header}\"\n")
  get_property(view GLOBAL PROPERTY QUELLON_LAYER_VIEW_${layer})
  add_library(${target} OBJECT EXCLUDE_FROM_ALL ${source})
  target_link_libraries(${target} PRIVATE ${view})
  add_test(NAME layers.${layer}_without_${header}
           COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target ${target})
  string(REPLACE "." "\\." pattern "${header}: No such file")
  # Builds of one tree take turns.
  set_tests_properties(layers.${layer}_without_${header} PROPERTIES
                       PASS_REGULAR_EXPRESSION "${pattern}" RESOURCE_LOCK build-tree)
endfunction()
