# Install rules: the static libraries, the public headers under include/tavro/ at their tree paths, the
# framework bundle under share/TavroMerchantSDK/, the CMake package and the pkg-config files. What is
# installed and in which package component comes from the table of the layers (TavroLayers.cmake).
include(CMakePackageConfigHelpers)

# One export set per package component, so a host that asks only for the codec loads no target that
# names a drawing library. A component's file is TavroMerchantSDK-<component>-targets.cmake.
set(tavro_package_dir "${CMAKE_INSTALL_LIBDIR}/cmake/TavroMerchantSDK")
foreach(component IN LISTS TAVRO_COMPONENTS)
  set(targets "")
  foreach(library IN LISTS TAVRO_LAYERS)
    if(TAVRO_LAYER_${library}_COMPONENT STREQUAL component)
      list(APPEND targets ${library})
    endif()
  endforeach()
  install(TARGETS ${targets} EXPORT TavroMerchantSDK-${component} ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(EXPORT TavroMerchantSDK-${component} NAMESPACE TavroMerchantSDK:: DESTINATION ${tavro_package_dir}
    FILE TavroMerchantSDK-${component}-targets.cmake)
endforeach()
install(DIRECTORY platform/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tavro/platform FILES_MATCHING PATTERN "*.h")
install(DIRECTORY TavroMerchantSDK/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tavro/TavroMerchantSDK
  FILES_MATCHING PATTERN "*.h" PATTERN "resources" EXCLUDE)
install(DIRECTORY TavroMerchantSDK/resources/TavroMerchantSDK.bundle
  DESTINATION ${CMAKE_INSTALL_DATADIR}/TavroMerchantSDK)

configure_package_config_file(cmake/TavroMerchantSDKConfig.cmake.in
  "${PROJECT_BINARY_DIR}/package/TavroMerchantSDKConfig.cmake" INSTALL_DESTINATION ${tavro_package_dir})
write_basic_package_version_file("${PROJECT_BINARY_DIR}/package/TavroMerchantSDKConfigVersion.cmake"
  COMPATIBILITY SameMajorVersion)
install(FILES "${PROJECT_BINARY_DIR}/package/TavroMerchantSDKConfig.cmake"
  "${PROJECT_BINARY_DIR}/package/TavroMerchantSDKConfigVersion.cmake" DESTINATION ${tavro_package_dir})

# pkg-config: TavroMerchantSDK (the flows, the codec and the renderer) and TavroMerchantSDK-payload (the
# codec alone). Each lists the archives its top library reaches, top down (a static link resolves each
# against the ones after it), and the system libraries as private requirements; the prefix is found
# from the file's own place, so the installed tree can move.
file(RELATIVE_PATH tavro_pkgconfig_to_prefix "${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig" "${CMAKE_INSTALL_PREFIX}")
string(REGEX REPLACE "/$" "" tavro_pkgconfig_to_prefix "${tavro_pkgconfig_to_prefix}")
# tavro_pkgconfig_file(<file name> <top library> <description> <required modules>)
function(tavro_pkgconfig_file name top description requires)
  set(tavro_pkgconfig_name ${name})
  set(tavro_pkgconfig_description "${description}")
  set(tavro_pkgconfig_requires "${requires}")
  set(tavro_pkgconfig_libs "")
  foreach(library IN LISTS TAVRO_LAYERS)
    if(library IN_LIST TAVRO_LAYER_${top}_REACH AND TAVRO_LAYER_${library}_FOLDERS)
      string(PREPEND tavro_pkgconfig_libs "-l${library} ")
    endif()
  endforeach()
  string(STRIP "${tavro_pkgconfig_libs}" tavro_pkgconfig_libs)
  configure_file(cmake/TavroMerchantSDK.pc.in "${PROJECT_BINARY_DIR}/package/${name}.pc" @ONLY)
  install(FILES "${PROJECT_BINARY_DIR}/package/${name}.pc" DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endfunction()
tavro_pkgconfig_file(TavroMerchantSDK tavro_merchant_sdk
  "Merchant-side QR-code card payments: payload codec, request-payment and refund flows, renderer"
  "icu-uc icu-i18n cairo pangocairo pangoft2 spng")
tavro_pkgconfig_file(TavroMerchantSDK-payload tavro_payload
  "Merchant-side QR-code card payments: the payload codec alone" "icu-uc icu-i18n")
