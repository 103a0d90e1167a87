# The layers of the program, each one library target that sees the headers of its own layer and of
# the layers it links, and no others: an include of a layer above does not compile.
#
# Every header is included by its layer's folder ("io/file_io.h"). A target is given, instead of
# the whole src/, a folder of its own in the build tree holding one link to its layer's sources;
# the layers it links bring their folders along (PUBLIC), those above it are nowhere to be found.

# runewright_headers_view(VARIABLE VIEW FOLDER): sets VARIABLE to an include folder in which
# FOLDER's headers, and no others, are found as "<name of FOLDER>/header.h".
function(runewright_headers_view variable view folder)
  get_filename_component(name ${folder} NAME)
  set(path ${PROJECT_BINARY_DIR}/layers/${view})
  file(MAKE_DIRECTORY ${path})
  if(NOT EXISTS ${path}/${name})
    file(CREATE_LINK ${folder} ${path}/${name} SYMBOLIC)
  endif()
  set(${variable} ${path} PARENT_SCOPE)
endfunction()

# runewright_layer_headers(TARGET FOLDER): TARGET's own headers are FOLDER's, seen by TARGET and by
# whatever links it.
function(runewright_layer_headers target folder)
  runewright_headers_view(view ${target} ${folder})
  target_include_directories(${target} PUBLIC ${view})
endfunction()

# runewright_layer(NAME [BELOW layer...]): the library runewright_NAME from src/NAME/*.cpp, linking
# the libraries of the layers right below it.
function(runewright_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "BELOW")
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/*.cpp
       ${PROJECT_SOURCE_DIR}/src/${name}/*.h)
  add_library(runewright_${name} STATIC ${sources})
  runewright_layer_headers(runewright_${name} ${PROJECT_SOURCE_DIR}/src/${name})
  list(TRANSFORM arg_BELOW PREPEND runewright_)
  target_link_libraries(runewright_${name} PUBLIC ${arg_BELOW})
endfunction()
