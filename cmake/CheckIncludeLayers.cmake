# The include rule of the layers, in their link order:
#   platform -> support/base -> payload -> support -> core -> controls -> cells -> screens
# The platform never includes the framework; a framework folder includes only itself, the folders below
# it and the platform. A framework source in a folder that is no layer is refused too, so a new folder
# gets its place here first. Tests, benchmarks and hosts may include anything.
#
# In a project: include(CheckIncludeLayers.cmake) then tavro_check_include_layers(<source dir>).
# As a script: cmake -DROOT=<source dir> -P CheckIncludeLayers.cmake
# Either way a broken rule is a fatal error that lists every offending include.

# Framework folders bottom up, one layer each; a layer may span several folders ("a|b"). A nested folder
# that is a layer of its own (support/base) is matched before its parent.
set(TAVRO_FRAMEWORK_LAYERS
  "support/base"
  "payload"
  "support"
  "core"
  "controls"
  "Common/CellView"
  "screens|Common/ConfirmPayment")
set(TAVRO_FRAMEWORK_LAYER_NAMES support/base payload support core controls cells screens)

# Sets <out_var> to the index of the layer holding the framework path <path> (relative to the source
# root), or -1 when it is in no layer. Longer folders are tried first, so a nested layer wins.
function(tavro_framework_layer path out_var)
  set(best -1)
  set(best_length 0)
  set(index 0)
  foreach(layer IN LISTS TAVRO_FRAMEWORK_LAYERS)
    string(REPLACE "|" ";" folders "${layer}")
    foreach(folder IN LISTS folders)
      string(LENGTH "${folder}" length)
      string(FIND "${path}" "TavroMerchantSDK/${folder}/" at)
      if(at EQUAL 0 AND length GREATER best_length)
        set(best ${index})
        set(best_length ${length})
      endif()
    endforeach()
    math(EXPR index "${index} + 1")
  endforeach()
  set(${out_var} ${best} PARENT_SCOPE)
endfunction()

function(tavro_check_include_layers root)
  file(GLOB_RECURSE sources
    "${root}/platform/*.h" "${root}/platform/*.cpp"
    "${root}/TavroMerchantSDK/*.h" "${root}/TavroMerchantSDK/*.cpp")
  set(include_pattern "^[ \t]*#[ \t]*include[ \t]*[<\"](platform|TavroMerchantSDK)/[^\">]*[\">]")
  set(problems "")
  foreach(file IN LISTS sources)
    file(RELATIVE_PATH relative "${root}" "${file}")
    set(own -1)
    if(relative MATCHES "^TavroMerchantSDK/")
      tavro_framework_layer("${relative}" own)
      if(own EQUAL -1)
        string(APPEND problems "  ${relative} is in no layer\n")
        continue()
      endif()
    endif()
    file(STRINGS "${file}" hits REGEX "${include_pattern}")
    foreach(hit IN LISTS hits)
      string(REGEX MATCH "[<\"]([^\">]*)[\">]" ignored "${hit}")
      set(included "${CMAKE_MATCH_1}")
      if(NOT included MATCHES "^TavroMerchantSDK/")
        continue()
      endif()
      if(relative MATCHES "^platform/")
        string(APPEND problems "  ${relative} includes ${included}: the platform never includes the framework\n")
        continue()
      endif()
      tavro_framework_layer("${included}" theirs)
      if(theirs EQUAL -1)
        string(APPEND problems "  ${relative} includes ${included}, which is in no layer\n")
      elseif(theirs GREATER own)
        list(GET TAVRO_FRAMEWORK_LAYER_NAMES ${own} own_name)
        list(GET TAVRO_FRAMEWORK_LAYER_NAMES ${theirs} their_name)
        string(APPEND problems "  ${relative} includes ${included}: ${their_name} is above ${own_name}\n")
      endif()
    endforeach()
  endforeach()
  if(problems)
    list(JOIN TAVRO_FRAMEWORK_LAYER_NAMES " -> " order)
    message(FATAL_ERROR "Includes against the layers (platform -> ${order}):\n${problems}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  if(NOT ROOT)
    message(FATAL_ERROR "ROOT is not set")
  endif()
  tavro_check_include_layers("${ROOT}")
endif()
