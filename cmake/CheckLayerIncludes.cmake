# Checks every #include "folder/file" of the project against the layer table that CMake wrote
# from the targets (PellucorLayers.cmake):
#
#   cmake -DLAYER_TABLE=build/LayerTable.cmake -P cmake/CheckLayerIncludes.cmake
#
# A file belongs to the targets that compile it; a header to the targets that compile the .cpp
# file of its name, else to the first target defined in its folder. An include is allowed when
# the included file belongs to the includer's own target or to a target the includer declares.
# A target may declare only targets defined before it (the libraries are listed bottom-up), and
# its include folders must be folders of the project. Each breach is printed as
# "file:line: ..." and the check fails.

cmake_minimum_required(VERSION 3.25)

if(NOT LAYER_TABLE OR NOT EXISTS "${LAYER_TABLE}")
  message(FATAL_ERROR "Give the layer table CMake wrote: -DLAYER_TABLE=<build>/LayerTable.cmake")
endif()
include("${LAYER_TABLE}")

set(errors 0)
macro(_layer_error text)
  message("${text}")
  math(EXPR errors "${errors} + 1")
endmacro()

function(_layer_relative path out)
  cmake_path(IS_PREFIX LAYER_SOURCE_ROOT "${path}" NORMALIZE inside)
  if(inside)
    cmake_path(RELATIVE_PATH path BASE_DIRECTORY "${LAYER_SOURCE_ROOT}" OUTPUT_VARIABLE path)
  endif()
  set(${out} "${path}" PARENT_SCOPE)
endfunction()

function(_layer_key path out)
  string(MAKE_C_IDENTIFIER "${path}" key)
  set(${out} "${key}" PARENT_SCOPE)
endfunction()

# The libraries are listed bottom-up: each declared library was defined before its user. This
# also rules out cycles, which CMake accepts between static libraries.
set(defined)
foreach(target IN LISTS LAYER_TARGETS)
  foreach(library IN LISTS LAYER_${target}_DECLARES)
    if(NOT library IN_LIST defined)
      _layer_relative("${LAYER_${target}_DIR}/CMakeLists.txt" listfile)
      _layer_error("${listfile}: ${target} declares ${library}, which is defined after it: \
add the libraries bottom-up, a library only after every library it uses")
    endif()
  endforeach()
  list(APPEND defined ${target})
endforeach()

# Include folders lie inside the project: a folder outside it (a mangled "-I/") or one that does
# not exist hides the headers the build means to use behind any others of the same name.
set(roots)
foreach(target IN LISTS LAYER_TARGETS)
  foreach(folder IN LISTS LAYER_${target}_INCLUDES)
    cmake_path(IS_PREFIX LAYER_SOURCE_ROOT "${folder}" NORMALIZE in_source)
    cmake_path(IS_PREFIX LAYER_BINARY_ROOT "${folder}" NORMALIZE in_binary)
    _layer_relative("${LAYER_${target}_DIR}/CMakeLists.txt" listfile)
    if(NOT IS_DIRECTORY "${folder}")
      _layer_error("${listfile}: ${target} has the include folder \"${folder}\", which does not \
exist")
    elseif(NOT in_source AND NOT in_binary)
      _layer_error("${listfile}: ${target} has the include folder \"${folder}\", which is outside \
the project")
    elseif(in_source AND NOT folder IN_LIST roots)
      list(APPEND roots "${folder}")
    endif()
  endforeach()
endforeach()

# Which targets each file belongs to, and the first target of each folder.
set(folders)
foreach(target IN LISTS LAYER_TARGETS)
  set(folder "${LAYER_${target}_DIR}")
  if(NOT folder IN_LIST folders)
    list(APPEND folders "${folder}")
    _layer_key("${folder}" key)
    set(FIRST_${key} ${target})
  endif()
  foreach(file IN LISTS LAYER_${target}_FILES)
    _layer_key("${file}" key)
    list(APPEND OWNERS_${key} ${target})
  endforeach()
endforeach()

function(_layer_owners file out)
  _layer_key("${file}" key)
  if(DEFINED OWNERS_${key})
    set(${out} ${OWNERS_${key}} PARENT_SCOPE)
    return()
  endif()
  cmake_path(GET file PARENT_PATH folder)
  cmake_path(GET file STEM LAST_ONLY stem)
  foreach(extension IN ITEMS .cpp .cc .cxx)
    _layer_key("${folder}/${stem}${extension}" key)
    if(DEFINED OWNERS_${key})
      set(${out} ${OWNERS_${key}} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  _layer_key("${folder}" key)
  set(${out} ${FIRST_${key}} PARENT_SCOPE)
endfunction()

# Every C++ file of the targets' folders, and any file a target compiles from elsewhere.
set(files)
foreach(folder IN LISTS folders)
  file(GLOB found LIST_DIRECTORIES false "${folder}/*.h" "${folder}/*.hpp" "${folder}/*.cpp"
       "${folder}/*.cc" "${folder}/*.cxx")
  list(APPEND files ${found})
endforeach()
foreach(target IN LISTS LAYER_TARGETS)
  foreach(file IN LISTS LAYER_${target}_FILES)
    if(file MATCHES "\\.(h|hpp|cpp|cc|cxx)$")
      list(APPEND files "${file}")
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES files)
list(SORT files)

set(checked 0)
foreach(file IN LISTS files)
  if(NOT EXISTS "${file}")
    continue()
  endif()
  _layer_relative("${file}" shown)
  _layer_owners("${file}" includers)
  cmake_path(GET file PARENT_PATH here)
  # One list item per line: characters that CMake's lists treat specially become blanks first
  # (none of them can be part of a project include).
  file(READ "${file}" content)
  string(REGEX REPLACE "[][;\\\\]" " " content "${content}")
  string(REPLACE "\n" ";" lines "${content}")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*/[^\"]*)\"")
      continue()
    endif()
    set(included "${CMAKE_MATCH_1}")
    # The compiler looks beside the including file first, then in the include folders.
    set(target_file)
    foreach(root IN LISTS here roots)
      cmake_path(APPEND root "${included}" OUTPUT_VARIABLE candidate)
      cmake_path(NORMAL_PATH candidate)
      if(EXISTS "${candidate}" AND NOT IS_DIRECTORY "${candidate}")
        set(target_file "${candidate}")
        break()
      endif()
    endforeach()
    if(NOT target_file)
      continue()  # not a file of the project: the compiler reports it
    endif()
    cmake_path(IS_PREFIX LAYER_SOURCE_ROOT "${target_file}" NORMALIZE in_source)
    if(NOT in_source)
      continue()
    endif()
    math(EXPR checked "${checked} + 1")
    _layer_owners("${target_file}" owners)
    _layer_relative("${target_file}" shown_target)
    if(NOT owners)
      _layer_error("${shown}:${number}: includes \"${included}\" (${shown_target}), which belongs \
to no target")
      continue()
    endif()
    foreach(includer IN LISTS includers)
      set(allowed FALSE)
      foreach(owner IN LISTS owners)
        if(owner STREQUAL includer OR owner IN_LIST LAYER_${includer}_DECLARES)
          set(allowed TRUE)
        endif()
      endforeach()
      if(allowed)
        continue()
      endif()
      list(JOIN owners " or " owner_text)
      list(FIND LAYER_TARGETS ${includer} includer_index)
      list(GET owners 0 first_owner)
      list(FIND LAYER_TARGETS ${first_owner} owner_index)
      if(owner_index GREATER includer_index)
        set(kind "an upward include: ${owner_text} is defined above ${includer}")
      else()
        set(kind "${includer} does not declare ${owner_text}")
      endif()
      if(LAYER_${includer}_DECLARES)
        list(JOIN LAYER_${includer}_DECLARES ", " declared)
      else()
        set(declared "nothing")
      endif()
      _layer_error("${shown}:${number}: ${includer} includes \"${included}\" of ${owner_text}, \
${kind} (${includer} declares ${declared})")
    endforeach()
  endforeach()
endforeach()

list(LENGTH files file_count)
list(LENGTH LAYER_TARGETS target_count)
if(checked EQUAL 0)
  _layer_error("No project include found in ${file_count} files: the check reads nothing")
endif()
if(errors GREATER 0)
  message(FATAL_ERROR "${errors} breaches of the layering in ${file_count} files of \
${target_count} targets")
endif()
message(STATUS "${checked} project includes in ${file_count} files of ${target_count} targets \
follow the layers")
