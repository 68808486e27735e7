# The layers of the library, each its own CMake target, compiled against the
# source folders it may use and no others. For every layer the build makes a
# folder of links to exactly those source folders and gives the layer that
# folder as its include path, so an #include that reaches up or sideways
# (host including library/, say) does not compile. docs/architecture.md draws
# the layers; tests/layering/check_layers.sh checks the same rule over every
# header too.
#
#   okit_layer(NAME SOURCES files... USES folders...)
#
# makes the OBJECT library NAME from SOURCES, seeing the folders in USES.
function(okit_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 layer "" "" "SOURCES;USES")
  set(view ${PROJECT_BINARY_DIR}/layers/${name})
  file(REMOVE_RECURSE ${view})
  foreach(folder IN LISTS layer_USES)
    get_filename_component(parent ${view}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${view}/${folder} SYMBOLIC)
  endforeach()
  add_library(${name} OBJECT ${layer_SOURCES})
  # The shared libraries export only what is marked OKIT_EXPORT (host/export.h).
  set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_include_directories(${name} PRIVATE ${view})
endfunction()
