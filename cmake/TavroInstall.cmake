# Install rules: the static libraries, the public headers under include/tavro/ at their tree paths, the
# framework bundle under share/TavroMerchantSDK/, the CMake package and a pkg-config file.
include(CMakePackageConfigHelpers)

# Every library of the product, bottom up (the order pkg-config's static link line reverses).
set(tavro_installed_libraries
  platform_foundation platform_graphics platform_layout platform_ui platform_render platform_testing
  tavro_support_base tavro_payload tavro_support tavro_core tavro_controls tavro_cells tavro_screens)

set(tavro_package_dir "${CMAKE_INSTALL_LIBDIR}/cmake/TavroMerchantSDK")
install(TARGETS ${tavro_installed_libraries} TavroMerchantSDK EXPORT TavroMerchantSDKTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(EXPORT TavroMerchantSDKTargets NAMESPACE TavroMerchantSDK:: DESTINATION ${tavro_package_dir})
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

# pkg-config: the flow libraries top down (a static link resolves each against the ones after it),
# the system libraries as private requirements; the prefix is found from the file's own place, so
# the installed tree can move.
set(tavro_pkgconfig_libs "")
foreach(library IN LISTS tavro_installed_libraries)
  if(NOT library STREQUAL "platform_testing")
    get_target_property(file_name ${library} OUTPUT_NAME)
    if(NOT file_name)
      set(file_name ${library})
    endif()
    string(PREPEND tavro_pkgconfig_libs "-l${file_name} ")
  endif()
endforeach()
string(STRIP "${tavro_pkgconfig_libs}" tavro_pkgconfig_libs)
file(RELATIVE_PATH tavro_pkgconfig_to_prefix "${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig" "${CMAKE_INSTALL_PREFIX}")
string(REGEX REPLACE "/$" "" tavro_pkgconfig_to_prefix "${tavro_pkgconfig_to_prefix}")
configure_file(cmake/TavroMerchantSDK.pc.in "${PROJECT_BINARY_DIR}/package/TavroMerchantSDK.pc" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/package/TavroMerchantSDK.pc" DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
