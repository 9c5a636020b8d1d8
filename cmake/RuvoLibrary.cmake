# ruvo_library(NAME FOLDER SOURCES ... [DEPENDS lib ...])
#
# Builds the logic folder src/FOLDER into the static library NAME, which links
# only DEPENDS (the folders below it). Each library publishes an include root
# of its own that holds nothing but its folder, so a file can include headers
# of its own folder and of the folders it depends on, and an include of any
# folder above it fails to compile: the link graph is the layer stack.
function(ruvo_library name)
  cmake_parse_arguments(ARG "" "FOLDER" "SOURCES;DEPENDS" ${ARGN})
  set(root ${PROJECT_BINARY_DIR}/include/${ARG_FOLDER})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${ARG_FOLDER})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${ARG_FOLDER} ${root}/${ARG_FOLDER} SYMBOLIC)
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${root})
  target_link_libraries(${name} PUBLIC ruvo_warnings ${ARG_DEPENDS})
endfunction()
