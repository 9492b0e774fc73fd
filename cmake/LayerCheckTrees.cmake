# Runs CheckLayerIncludes.cmake on small trees written here, each with its own layer table: a
# sound tree must pass, and each broken one must fail with a line that names the breach.
#
#   cmake -DWORK=<scratch folder> -DCHECKER=cmake/CheckLayerIncludes.cmake -P LayerCheckTrees.cmake

cmake_minimum_required(VERSION 3.25)

set(failures 0)

# A tree of three libraries: low (src/low), high (src/high, declares low) and a side library
# (src/side) defined between them that high does not declare. src/low holds a second library,
# low_view, declaring high; its header LowView.h belongs to it through LowView.cpp.
function(write_tree root)
  file(REMOVE_RECURSE "${root}")
  file(WRITE "${root}/src/low/Low.h" "#pragma once\nint Low();\n")
  file(WRITE "${root}/src/low/Low.cpp" "#include \"low/Low.h\"\n\nint Low() { return 1; }\n")
  file(WRITE "${root}/src/low/LowView.h" "#pragma once\n#include \"high/High.h\"\n")
  file(WRITE "${root}/src/low/LowView.cpp"
       "#include \"low/LowView.h\"\n#include \"low/Low.h\"\n")
  file(WRITE "${root}/src/side/Side.h" "#pragma once\nint Side();\n")
  file(WRITE "${root}/src/side/Side.cpp" "#include \"side/Side.h\"\n")
  file(WRITE "${root}/src/high/High.h" "#pragma once\n#include \"low/Low.h\"\n")
  file(WRITE "${root}/src/high/High.cpp"
       "// a comment; with [brackets] and a \\ backslash\n#include \"high/High.h\"\n"
       "#include <vector>\n#include \"Local.h\"\n  #  include \"low/Low.h\"\n")
endfunction()

# Writes the table of the tree: LOW, SIDE, HIGH and LOW_VIEW give the libraries each target
# declares, INCLUDE the include folder of every target (src/ by default).
function(write_table root)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "INCLUDE" "LOW;SIDE;HIGH;LOW_VIEW")
  if(NOT arg_INCLUDE)
    set(arg_INCLUDE "${root}/src")
  endif()
  string(CONCAT text "set(LAYER_SOURCE_ROOT [==[${root}]==])\n"
                     "set(LAYER_BINARY_ROOT [==[${root}/build]==])\n"
                     "set(LAYER_TARGETS low side high low_view)\n")
  foreach(target low side high low_view)
    string(TOUPPER ${target} upper)
    if(target STREQUAL "low_view")
      set(dir "${root}/src/low")
      set(files "${root}/src/low/LowView.cpp")
    else()
      set(dir "${root}/src/${target}")
      string(SUBSTRING ${upper} 0 1 first)
      string(SUBSTRING ${target} 1 -1 rest)
      set(files "${dir}/${first}${rest}.cpp")
    endif()
    string(APPEND text "set(LAYER_${target}_DIR [==[${dir}]==])\n"
                       "set(LAYER_${target}_FILES [==[${files}]==])\n"
                       "set(LAYER_${target}_DECLARES [==[${arg_${upper}}]==])\n"
                       "set(LAYER_${target}_INCLUDES [==[${arg_INCLUDE}]==])\n")
  endforeach()
  file(WRITE "${root}/table.cmake" "${text}")
endfunction()

function(run_check root out_status out_output)
  execute_process(COMMAND ${CMAKE_COMMAND} -DLAYER_TABLE=${root}/table.cmake -P ${CHECKER}
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  set(${out_status} ${status} PARENT_SCOPE)
  set(${out_output} "${output}" PARENT_SCOPE)
endfunction()

macro(expect_pass name)
  run_check("${root}" status output)
  if(NOT status EQUAL 0)
    message("FAIL ${name}: the check refused a sound tree:\n${output}")
    math(EXPR failures "${failures} + 1")
  endif()
endmacro()

# The check must fail and print every expected line.
macro(expect_refusal name)
  run_check("${root}" status output)
  if(status EQUAL 0)
    message("FAIL ${name}: the check passed:\n${output}")
    math(EXPR failures "${failures} + 1")
  else()
    foreach(expected ${ARGN})
      string(FIND "${output}" "${expected}" at)
      if(at EQUAL -1)
        message("FAIL ${name}: the output lacks \"${expected}\":\n${output}")
        math(EXPR failures "${failures} + 1")
      endif()
    endforeach()
  endif()
endmacro()

set(root "${WORK}/tree")

# Sound: high uses low, low_view uses high and low (its first target), side stands alone.
write_tree("${root}")
write_table("${root}" HIGH low LOW_VIEW high low)
expect_pass("sound tree")

# The lowest library includes a header of a library above it.
write_tree("${root}")
file(APPEND "${root}/src/low/Low.cpp" "#include \"high/High.h\"\n")
write_table("${root}" HIGH low LOW_VIEW high low)
expect_refusal("upward include"
  "src/low/Low.cpp:4: low includes \"high/High.h\" of high, an upward include: high is defined \
above low (low declares nothing)")

# A header without a .cpp file belongs to the first library of its folder, so it may not use
# what only the second library of the folder declares.
write_tree("${root}")
file(WRITE "${root}/src/low/Shared.h" "#pragma once\n\n#include \"low/LowView.h\"\n")
write_table("${root}" HIGH low LOW_VIEW high low)
expect_refusal("header of the folder's first library"
  "src/low/Shared.h:3: low includes \"low/LowView.h\" of low_view, an upward include")

# A lower library that exists but is not declared.
write_tree("${root}")
file(APPEND "${root}/src/high/High.cpp" "#include \"side/Side.h\"\n")
write_table("${root}" HIGH low LOW_VIEW high low)
expect_refusal("undeclared include"
  "src/high/High.cpp:6: high includes \"side/Side.h\" of side, high does not declare side \
(high declares low)")

# A path climbing out of the folder is resolved before it is judged.
write_tree("${root}")
file(APPEND "${root}/src/side/Side.cpp" "#include \"../high/High.h\"\n")
write_table("${root}" HIGH low LOW_VIEW high low)
expect_refusal("include through .."
  "src/side/Side.cpp:2: side includes \"../high/High.h\" of high, an upward include")

# A library declaring one defined after it: the list is not bottom-up (here a cycle).
write_tree("${root}")
write_table("${root}" LOW high HIGH low LOW_VIEW high low)
expect_refusal("declaration upward"
  "src/low/CMakeLists.txt: low declares high, which is defined after it")

# An include folder mangled into "/".
write_tree("${root}")
write_table("${root}" INCLUDE "/" HIGH low LOW_VIEW high low)
expect_refusal("include folder outside the project"
  "has the include folder \"/\", which is outside the project")

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} checks of the layer check failed")
endif()
message(STATUS "The layer check passes the sound tree and refuses each broken one")
