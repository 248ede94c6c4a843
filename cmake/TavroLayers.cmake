# The layers of the product, written once. Each entry is a library, the folders it is built from, the
# libraries it uses directly and the system libraries it links. From this table come the libraries'
# link dependencies, the umbrella target, the install list with its package components and the include
# check: a source includes only its own library's folders and the libraries its library reaches through
# USES. It is a graph, not one order: payload uses only the foundation and support/base, and layout does
# not use graphics.
#
# tavro_layer(<library> [FOLDERS <folders...>] [USES <libraries...>] [LINKS <system libraries...>]
#             COMPONENT <package component> [EXPORT <name the package exports it as>])
# An entry lists only libraries above it in USES, so the table reads bottom up and has no cycle. A
# folder nested in another library's folder (support/base) belongs to the nested library alone. An
# entry without folders is an interface target. Included by the build and by the include check run as
# a script, so it defines data only.

cmake_policy(VERSION 3.21)

set(TAVRO_LAYERS "")
function(tavro_layer library)
  cmake_parse_arguments(ARG "" "COMPONENT;EXPORT" "FOLDERS;USES;LINKS" ${ARGN})
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
  set(TAVRO_LAYERS ${TAVRO_LAYERS} ${library} PARENT_SCOPE)
  set(TAVRO_LAYER_${library}_FOLDERS ${ARG_FOLDERS} PARENT_SCOPE)
  set(TAVRO_LAYER_${library}_USES ${ARG_USES} PARENT_SCOPE)
  set(TAVRO_LAYER_${library}_LINKS ${ARG_LINKS} PARENT_SCOPE)
  set(TAVRO_LAYER_${library}_COMPONENT ${ARG_COMPONENT} PARENT_SCOPE)
  set(TAVRO_LAYER_${library}_EXPORT ${ARG_EXPORT} PARENT_SCOPE)
  # The library itself and every library it reaches, its own first.
  set(TAVRO_LAYER_${library}_REACH ${reach} PARENT_SCOPE)
endfunction()

# The platform (a stand-in for the OS services) never uses the framework.
tavro_layer(tavro_platform_foundation FOLDERS platform/foundation
  LINKS PkgConfig::TAVRO_ICU $<BUILD_INTERFACE:nlohmann_json::nlohmann_json> COMPONENT payload)
tavro_layer(tavro_platform_graphics FOLDERS platform/graphics USES tavro_platform_foundation
  LINKS PkgConfig::TAVRO_CAIRO PkgConfig::TAVRO_SPNG COMPONENT ui)
tavro_layer(tavro_platform_layout FOLDERS platform/layout USES tavro_platform_foundation COMPONENT ui)
tavro_layer(tavro_platform_ui FOLDERS platform/ui
  USES tavro_platform_graphics tavro_platform_layout tavro_platform_foundation COMPONENT ui)
tavro_layer(tavro_platform_render FOLDERS platform/render USES tavro_platform_ui tavro_platform_graphics COMPONENT ui)
tavro_layer(tavro_platform_testing FOLDERS platform/testing USES tavro_platform_render tavro_platform_ui
  COMPONENT testing EXPORT testing)

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

# The package components bottom up, each with the one it brings (see TavroMerchantSDKConfig.cmake.in).
set(TAVRO_COMPONENTS payload ui testing)
