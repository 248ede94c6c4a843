# The layers of the product, written once: the one place the libraries are listed. Each entry is a
# library, the folders it is built from, the libraries it uses directly and the system libraries it
# links. From this table come the libraries' link dependencies and their names in the package, the
# umbrella target, the install rules with their package components, the package's component list, the
# pkg-config files, the test programs and the include check: a source includes only its own library's
# folders and the libraries its library reaches through USES. It is a graph, not one order: payload uses
# only the foundation and support/base, and layout does not use graphics.
#
# tavro_layer(<library> [FOLDERS <folders...>] [USES <libraries...>] [SYSTEM <system libraries...>]
#             [LINKS <other link items...>] COMPONENT <package component> [EXPORT <name in the package>])
# An entry lists only libraries above it in USES, so the table reads bottom up and has no cycle. A
# folder nested in another library's folder (support/base) belongs to the nested library alone. An
# entry without folders is an interface target. SYSTEM names entries of tavro_system_library(), linked
# as PkgConfig::<name>. Included by the build and by the include check run as a script, so it defines
# data and queries on them only; run as a script (cmake -P TavroLayers.cmake) it prints one line a
# library: its name, its component, "archive" or "interface", and its folders.

cmake_policy(VERSION 3.21)

# tavro_system_library(<name> MODULES <pkg-config modules...> WHAT <what it is> DEBIAN <packages...>):
# a system library found through pkg-config as <name>; WHAT and DEBIAN tell whoever lacks it.
set(TAVRO_SYSTEM_LIBRARIES "")
function(tavro_system_library name)
  cmake_parse_arguments(ARG "" "WHAT" "MODULES;DEBIAN" ${ARGN})
  set(TAVRO_SYSTEM_LIBRARIES ${TAVRO_SYSTEM_LIBRARIES} ${name} PARENT_SCOPE)
  set(TAVRO_SYSTEM_${name}_MODULES ${ARG_MODULES} PARENT_SCOPE)
  set(TAVRO_SYSTEM_${name}_WHAT "${ARG_WHAT}" PARENT_SCOPE)
  set(TAVRO_SYSTEM_${name}_DEBIAN ${ARG_DEBIAN} PARENT_SCOPE)
endfunction()

set(TAVRO_LAYERS "")
function(tavro_layer library)
  cmake_parse_arguments(ARG "" "COMPONENT;EXPORT" "FOLDERS;USES;SYSTEM;LINKS" ${ARGN})
  if(NOT library MATCHES "^tavro_")
    message(FATAL_ERROR "Layer ${library}: every target of the product is named tavro_*")
  endif()
  if(NOT ARG_COMPONENT)
    message(FATAL_ERROR "Layer ${library}: no package component")
  endif()
  set(reach ${library})
  foreach(used IN LISTS ARG_USES)
    if(NOT used IN_LIST TAVRO_LAYERS)
      message(FATAL_ERROR "Layer ${library} uses ${used}, which is no layer listed before it")
    endif()
    list(APPEND reach ${TAVRO_LAYER_${used}_REACH})
  endforeach()
  list(REMOVE_DUPLICATES reach)
  foreach(system IN LISTS ARG_SYSTEM)
    if(NOT system IN_LIST TAVRO_SYSTEM_LIBRARIES)
      message(FATAL_ERROR "Layer ${library} links ${system}, which is no system library listed before it")
    endif()
  endforeach()
  set(TAVRO_LAYERS ${TAVRO_LAYERS} ${library} PARENT_SCOPE)
  set(TAVRO_LAYER_${library}_FOLDERS ${ARG_FOLDERS} PARENT_SCOPE)
  set(TAVRO_LAYER_${library}_USES ${ARG_USES} PARENT_SCOPE)
  set(TAVRO_LAYER_${library}_SYSTEM ${ARG_SYSTEM} PARENT_SCOPE)
  set(TAVRO_LAYER_${library}_LINKS ${ARG_LINKS} PARENT_SCOPE)
  set(TAVRO_LAYER_${library}_COMPONENT ${ARG_COMPONENT} PARENT_SCOPE)
  set(TAVRO_LAYER_${library}_EXPORT ${ARG_EXPORT} PARENT_SCOPE)
  # The library itself and every library it reaches, its own first.
  set(TAVRO_LAYER_${library}_REACH ${reach} PARENT_SCOPE)
endfunction()

tavro_system_library(TAVRO_ICU MODULES icu-uc icu-i18n WHAT ICU DEBIAN libicu-dev)
tavro_system_library(TAVRO_CAIRO MODULES cairo pangocairo pangoft2 WHAT "the drawing libraries Cairo and Pango"
  DEBIAN libcairo2-dev libpango1.0-dev)
tavro_system_library(TAVRO_SPNG MODULES spng WHAT "the PNG library libspng" DEBIAN libspng-dev)

# The platform (a stand-in for the OS services) never uses the framework. The foundation's JSON code
# uses nlohmann_json inside its sources only.
tavro_layer(tavro_platform_foundation FOLDERS platform/foundation SYSTEM TAVRO_ICU
  LINKS $<BUILD_INTERFACE:nlohmann_json::nlohmann_json> COMPONENT payload)
tavro_layer(tavro_platform_graphics FOLDERS platform/graphics USES tavro_platform_foundation
  SYSTEM TAVRO_CAIRO TAVRO_SPNG COMPONENT ui)
tavro_layer(tavro_platform_layout FOLDERS platform/layout USES tavro_platform_foundation COMPONENT ui)
tavro_layer(tavro_platform_ui FOLDERS platform/ui
  USES tavro_platform_graphics tavro_platform_layout tavro_platform_foundation COMPONENT ui)
tavro_layer(tavro_platform_render FOLDERS platform/render USES tavro_platform_ui tavro_platform_graphics COMPONENT ui)
tavro_layer(tavro_platform_testing FOLDERS platform/testing USES tavro_platform_render tavro_platform_ui
  COMPONENT testing)

# The framework. The few reference-data files the codec needs sit in support/base on the foundation
# alone, so a codec-only host links no drawing or UI library.
tavro_layer(tavro_support_base FOLDERS TavroMerchantSDK/support/base USES tavro_platform_foundation
  COMPONENT payload)
tavro_layer(tavro_payload FOLDERS TavroMerchantSDK/payload USES tavro_support_base tavro_platform_foundation
  COMPONENT payload EXPORT payload)
tavro_layer(tavro_support FOLDERS TavroMerchantSDK/support
  USES tavro_support_base tavro_platform_ui tavro_platform_foundation COMPONENT ui)
tavro_layer(tavro_core FOLDERS TavroMerchantSDK/core USES tavro_payload tavro_support tavro_platform_ui COMPONENT ui)
tavro_layer(tavro_controls FOLDERS TavroMerchantSDK/controls USES tavro_core tavro_support tavro_platform_ui
  COMPONENT ui)
tavro_layer(tavro_cells FOLDERS TavroMerchantSDK/Common/CellView USES tavro_controls tavro_core tavro_platform_ui
  COMPONENT ui)
tavro_layer(tavro_screens FOLDERS TavroMerchantSDK/screens TavroMerchantSDK/Common/ConfirmPayment
  USES tavro_cells tavro_controls tavro_core tavro_platform_ui COMPONENT ui)

# What a host links for the flows: the screens with everything below them, and the renderer for pixels.
tavro_layer(tavro_merchant_sdk USES tavro_screens tavro_platform_render COMPONENT ui EXPORT TavroMerchantSDK)
# What a host's tests link to drive the flows as a person would: the UI driver with the flows.
tavro_layer(tavro_merchant_sdk_testing USES tavro_platform_testing tavro_merchant_sdk COMPONENT testing
  EXPORT testing)

# The package components bottom up; a component brings those its libraries use. A host that asks for
# none gets the default. Each has a pkg-config file: TavroMerchantSDK-<component>, the default's
# TavroMerchantSDK.
set(TAVRO_COMPONENTS payload ui testing)
set(TAVRO_DEFAULT_COMPONENT ui)

# ---- queries --------------------------------------------------------------------------------------

# tavro_in_order(<out_var> <list name> <items...>): the entries of the list named that are among the
# items, once each, in the list's order.
function(tavro_in_order out_var list_name)
  set(ordered "")
  foreach(entry IN LISTS ${list_name})
    if(entry IN_LIST ARGN)
      list(APPEND ordered ${entry})
    endif()
  endforeach()
  set(${out_var} ${ordered} PARENT_SCOPE)
endfunction()

# tavro_component_layers(<out_var> <components...>): the libraries of those components, bottom up.
function(tavro_component_layers out_var)
  set(libraries "")
  foreach(library IN LISTS TAVRO_LAYERS)
    if(TAVRO_LAYER_${library}_COMPONENT IN_LIST ARGN)
      list(APPEND libraries ${library})
    endif()
  endforeach()
  set(${out_var} ${libraries} PARENT_SCOPE)
endfunction()

# tavro_layers_reach(<out_var> <libraries...>): those libraries and every library they reach, bottom up.
function(tavro_layers_reach out_var)
  set(reach "")
  foreach(library IN LISTS ARGN)
    list(APPEND reach ${TAVRO_LAYER_${library}_REACH})
  endforeach()
  tavro_in_order(ordered TAVRO_LAYERS ${reach})
  set(${out_var} ${ordered} PARENT_SCOPE)
endfunction()

# tavro_layers_system(<out_var> <libraries...>): the system libraries those libraries and the ones
# they reach link, in the order they are listed.
function(tavro_layers_system out_var)
  tavro_layers_reach(reach ${ARGN})
  set(used "")
  foreach(library IN LISTS reach)
    list(APPEND used ${TAVRO_LAYER_${library}_SYSTEM})
  endforeach()
  tavro_in_order(ordered TAVRO_SYSTEM_LIBRARIES ${used})
  set(${out_var} ${ordered} PARENT_SCOPE)
endfunction()

# tavro_component_brings(<component> <out_var>): the other components whose libraries it reaches.
function(tavro_component_brings component out_var)
  tavro_component_layers(own ${component})
  tavro_layers_reach(reach ${own})
  set(brings "")
  foreach(library IN LISTS reach)
    set(theirs ${TAVRO_LAYER_${library}_COMPONENT})
    if(NOT theirs STREQUAL component AND NOT theirs IN_LIST brings)
      list(APPEND brings ${theirs})
    endif()
  endforeach()
  set(${out_var} ${brings} PARENT_SCOPE)
endfunction()

# tavro_nested_folders(<library> <out_var>): the folders of other libraries inside <library>'s folders.
function(tavro_nested_folders library out_var)
  set(nested "")
  foreach(other IN LISTS TAVRO_LAYERS)
    foreach(folder IN LISTS TAVRO_LAYER_${other}_FOLDERS)
      foreach(own IN LISTS TAVRO_LAYER_${library}_FOLDERS)
        if(folder MATCHES "^${own}/")
          list(APPEND nested ${folder})
        endif()
      endforeach()
    endforeach()
  endforeach()
  set(${out_var} ${nested} PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  set(lines "")
  foreach(library IN LISTS TAVRO_LAYERS)
    set(kind interface)
    if(TAVRO_LAYER_${library}_FOLDERS)
      set(kind archive)
    endif()
    list(JOIN TAVRO_LAYER_${library}_FOLDERS " " folders)
    string(STRIP "${library} ${TAVRO_LAYER_${library}_COMPONENT} ${kind} ${folders}" line)
    string(APPEND lines "${line}\n")
  endforeach()
  execute_process(COMMAND "${CMAKE_COMMAND}" -E echo_append "${lines}")
endif()
