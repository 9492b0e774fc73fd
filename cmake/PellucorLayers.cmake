# The layer rule of the build: a file may include headers only of its own library and of the
# libraries that library declares with target_link_libraries, and a library may declare only
# libraries defined before it, so the libraries are listed bottom-up and no arrow points up.
#
# Every library exports the whole src/ folder as its include root, so the compiler cannot refuse
# an include that crosses the layers. Instead, at configure time the targets' own properties are
# written to a table (which files each target compiles, which project libraries it declares, its
# include folders), and the test LayerIncludes reads every source of the project's target folders
# against that table. The table comes from the same target_link_libraries calls that link the
# code, so it cannot drift from the build.

# The library, executable and interface targets defined in `dir` and below it, in the order
# CMake read their definitions.
function(_pellucor_layer_targets dir out)
  get_property(here DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
  set(found)
  foreach(target IN LISTS here)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(STATIC|SHARED|MODULE|OBJECT|INTERFACE)_LIBRARY$|^EXECUTABLE$")
      list(APPEND found ${target})
    endif()
  endforeach()
  foreach(subdir IN LISTS subdirs)
    _pellucor_layer_targets("${subdir}" below)
    list(APPEND found ${below})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# A property's value without the entries that are generator expressions ($<LINK_ONLY:x>, the
# form a static library's private dependency takes in its interface, becomes x).
function(_pellucor_plain_property target property out)
  get_target_property(values ${target} ${property})
  set(plain)
  if(values)
    foreach(value IN LISTS values)
      if(value MATCHES "^\\$<LINK_ONLY:([^$<>]+)>$")
        list(APPEND plain "${CMAKE_MATCH_1}")
      elseif(NOT value MATCHES "\\$<")
        list(APPEND plain "${value}")
      endif()
    endforeach()
  endif()
  set(${out} ${plain} PARENT_SCOPE)
endfunction()

# Writes the table of every target defined so far; call it after the last add_subdirectory.
function(pellucor_write_layer_table table)
  _pellucor_layer_targets("${PROJECT_SOURCE_DIR}" targets)
  set(text "# Written by CMake from the targets' properties; read by CheckLayerIncludes.cmake.\n")
  string(APPEND text "set(LAYER_SOURCE_ROOT [==[${PROJECT_SOURCE_DIR}]==])\n")
  string(APPEND text "set(LAYER_BINARY_ROOT [==[${PROJECT_BINARY_DIR}]==])\n")
  string(APPEND text "set(LAYER_TARGETS [==[${targets}]==])\n")
  foreach(target IN LISTS targets)
    get_target_property(dir ${target} SOURCE_DIR)
    _pellucor_plain_property(${target} SOURCES sources)
    set(files)
    foreach(source IN LISTS sources)
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY "${dir}" NORMALIZE OUTPUT_VARIABLE file)
      list(APPEND files "${file}")
    endforeach()
    _pellucor_plain_property(${target} LINK_LIBRARIES linked)
    _pellucor_plain_property(${target} INTERFACE_LINK_LIBRARIES interface)
    set(declared)
    foreach(library IN LISTS linked interface)
      if(library IN_LIST targets AND NOT library IN_LIST declared)
        list(APPEND declared ${library})
      endif()
    endforeach()
    _pellucor_plain_property(${target} INCLUDE_DIRECTORIES includes)
    _pellucor_plain_property(${target} INTERFACE_INCLUDE_DIRECTORIES interface_includes)
    list(APPEND includes ${interface_includes})
    list(REMOVE_DUPLICATES includes)
    string(APPEND text "set(LAYER_${target}_DIR [==[${dir}]==])\n"
                       "set(LAYER_${target}_FILES [==[${files}]==])\n"
                       "set(LAYER_${target}_DECLARES [==[${declared}]==])\n"
                       "set(LAYER_${target}_INCLUDES [==[${includes}]==])\n")
  endforeach()
  file(WRITE "${table}" "${text}")
endfunction()

# The check itself, and a check of the checker on a small tree of its own that must pass clean
# and must fail on each kind of broken layering.
function(pellucor_add_layer_tests)
  set(table "${PROJECT_BINARY_DIR}/LayerTable.cmake")
  pellucor_write_layer_table("${table}")
  add_test(NAME LayerIncludes
           COMMAND ${CMAKE_COMMAND} -DLAYER_TABLE=${table}
                   -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayerIncludes.cmake)
  add_test(NAME LayerIncludesRefusesBrokenLayers
           COMMAND ${CMAKE_COMMAND} -DWORK=${PROJECT_BINARY_DIR}/layer-check-trees
                   -DCHECKER=${PROJECT_SOURCE_DIR}/cmake/CheckLayerIncludes.cmake
                   -P ${PROJECT_SOURCE_DIR}/cmake/LayerCheckTrees.cmake)
endfunction()
