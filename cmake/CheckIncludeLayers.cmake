# The include rule of the layers (cmake/TavroLayers.cmake): a product source (platform/,
# TavroMerchantSDK/) includes only its own library's folders and the libraries its library reaches
# through the table. A quoted include names its file from the source root (platform/... or
# TavroMerchantSDK/...), never relative to the including file, so the rule sees every include. Only
# platform/testing includes the UI driver, and a source in a folder that is no layer is refused, so a
# new folder gets its place in the table first. Tests, benchmarks and hosts may include anything.
#
# In a project: include(CheckIncludeLayers.cmake), then tavro_check_include_layers(<source dir>) checks
# at configure time and tavro_include_layers_step(<source dir>) checks again on every build that
# follows an edit (the libraries depend on its stamp).
# As a script: cmake -DROOT=<source dir> -P CheckIncludeLayers.cmake
# Either way a broken rule is a fatal error that lists every offending include.

cmake_policy(VERSION 3.21)

set(TAVRO_INCLUDE_LAYERS_SCRIPT "${CMAKE_CURRENT_LIST_FILE}")
set(TAVRO_LAYERS_FILE "${CMAKE_CURRENT_LIST_DIR}/TavroLayers.cmake")
include("${TAVRO_LAYERS_FILE}")

# Sets <out_var> to the library whose folders hold <path> (relative to the source root), or "" when
# none does. The longest folder wins, so a nested library owns its folder.
function(tavro_layer_of path out_var)
  set(best "")
  set(best_length 0)
  foreach(library IN LISTS TAVRO_LAYERS)
    foreach(folder IN LISTS TAVRO_LAYER_${library}_FOLDERS)
      string(LENGTH "${folder}" length)
      string(FIND "${path}" "${folder}/" at)
      if(at EQUAL 0 AND length GREATER best_length)
        set(best ${library})
        set(best_length ${length})
      endif()
    endforeach()
  endforeach()
  set(${out_var} "${best}" PARENT_SCOPE)
endfunction()

# Appends to <problems_var> what is wrong with <file> (relative to the source root) including <included>.
function(tavro_judge_include file own included problems_var)
  set(problem "")
  if(NOT included MATCHES "^(platform|TavroMerchantSDK)/")
    set(problem "a quoted include starts at platform/ or TavroMerchantSDK/")
  elseif(included MATCHES "^platform/testing/" AND NOT own STREQUAL "tavro_platform_testing")
    set(problem "only the tests and hosts include the UI driver")
  elseif(included MATCHES "^TavroMerchantSDK/" AND file MATCHES "^platform/")
    set(problem "the platform never includes the framework")
  else()
    tavro_layer_of("${included}" theirs)
    if(NOT theirs)
      set(problem "it is in no layer")
    elseif(NOT theirs IN_LIST TAVRO_LAYER_${own}_REACH)
      set(problem "${own} does not use ${theirs}")
    endif()
  endif()
  if(problem)
    set(${problems_var} "${${problems_var}}  ${file} includes ${included}: ${problem}\n" PARENT_SCOPE)
  endif()
endfunction()

function(tavro_check_include_layers root)
  file(GLOB_RECURSE sources
    "${root}/platform/*.h" "${root}/platform/*.cpp"
    "${root}/TavroMerchantSDK/*.h" "${root}/TavroMerchantSDK/*.cpp")
  set(include_pattern "^[ \t]*#[ \t]*include[ \t]*(\"[^\"]*\"|<(platform|TavroMerchantSDK)/[^>]*>)")
  set(problems "")
  foreach(file IN LISTS sources)
    file(RELATIVE_PATH relative "${root}" "${file}")
    tavro_layer_of("${relative}" own)
    if(NOT own)
      string(APPEND problems "  ${relative} is in no layer\n")
      continue()
    endif()
    file(STRINGS "${file}" hits REGEX "${include_pattern}")
    foreach(hit IN LISTS hits)
      string(REGEX MATCH "[<\"]([^\">]*)[\">]" ignored "${hit}")
      tavro_judge_include("${relative}" ${own} "${CMAKE_MATCH_1}" problems)
    endforeach()
  endforeach()
  if(problems)
    message(FATAL_ERROR "Includes against the layers (cmake/TavroLayers.cmake):\n${problems}")
  endif()
endfunction()

# A build step that runs the check whenever a product source changes; every library waits for it, so
# an edit that breaks the rule fails the next incremental build.
function(tavro_include_layers_step root)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    "${root}/platform/*.h" "${root}/platform/*.cpp"
    "${root}/TavroMerchantSDK/*.h" "${root}/TavroMerchantSDK/*.cpp")
  set(stamp "${CMAKE_CURRENT_BINARY_DIR}/tavro_include_layers.stamp")
  add_custom_command(OUTPUT "${stamp}"
    COMMAND ${CMAKE_COMMAND} -DROOT=${root} -P "${TAVRO_INCLUDE_LAYERS_SCRIPT}"
    COMMAND ${CMAKE_COMMAND} -E touch "${stamp}"
    DEPENDS ${sources} "${TAVRO_INCLUDE_LAYERS_SCRIPT}" "${TAVRO_LAYERS_FILE}"
    COMMENT "Checking includes against the layers" VERBATIM)
  add_custom_target(tavro_include_layers DEPENDS "${stamp}")
  foreach(library IN LISTS TAVRO_LAYERS)
    if(TARGET ${library})
      add_dependencies(${library} tavro_include_layers)
    endif()
  endforeach()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  if(NOT ROOT)
    message(FATAL_ERROR "ROOT is not set")
  endif()
  tavro_check_include_layers("${ROOT}")
endif()
