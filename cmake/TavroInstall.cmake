# Install rules: the static libraries, the public headers under include/tavro/ at their tree paths, the
# framework bundle under share/TavroMerchantSDK/, the CMake package and the pkg-config files. What is
# installed and in which install component comes from the table of the layers (TavroLayers.cmake): each
# package component built is an install component with its archives, its libraries' headers, its
# targets file and its pkg-config file, and the package's Config and version files go with every one.
include(CMakePackageConfigHelpers)

set(tavro_package_dir "${CMAKE_INSTALL_LIBDIR}/cmake/TavroMerchantSDK")
file(RELATIVE_PATH tavro_pkgconfig_to_prefix "${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig" "${CMAKE_INSTALL_PREFIX}")
string(REGEX REPLACE "/$" "" tavro_pkgconfig_to_prefix "${tavro_pkgconfig_to_prefix}")

set(tavro_description_payload "the payload codec alone")
set(tavro_description_ui "payload codec, request-payment and refund flows, renderer")
set(tavro_description_testing "the flows with the UI driver of the tests and the sample host")

# tavro_install_headers(<library> <component>): the headers of the library's folders, leaving out the
# folders of libraries nested in them.
function(tavro_install_headers library component)
  tavro_nested_folders(${library} nested)
  foreach(folder IN LISTS TAVRO_LAYER_${library}_FOLDERS)
    set(excluded "")
    foreach(inner IN LISTS nested)
      if(inner MATCHES "^${folder}/")
        list(APPEND excluded REGEX "/${inner}$" EXCLUDE)
      endif()
    endforeach()
    install(DIRECTORY ${folder}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tavro/${folder} COMPONENT ${component}
      FILES_MATCHING PATTERN "*.h" ${excluded})
  endforeach()
endfunction()

# tavro_pkgconfig_file_name(<component> <out_var>): the name of the component's pkg-config file,
# TavroMerchantSDK-<component>, or TavroMerchantSDK for the default component.
function(tavro_pkgconfig_file_name component out_var)
  set(name TavroMerchantSDK-${component})
  if(component STREQUAL TAVRO_DEFAULT_COMPONENT)
    set(name TavroMerchantSDK)
  endif()
  set(${out_var} ${name} PARENT_SCOPE)
endfunction()

# tavro_pkgconfig_file(<component>): the component's pkg-config file. It lists the component's own
# archives, top down (a static link resolves each against the ones after it), and requires the files
# of the components it builds on and the modules of the system libraries its own libraries link: the
# archives are static, so every link needs them, --static or not. pkg-config puts a file's libraries
# before those of what it requires, and a prefix missing a component below fails naming its file. The
# prefix is found from the file's own place, so the installed tree can move.
function(tavro_pkgconfig_file component)
  tavro_pkgconfig_file_name(${component} tavro_pkgconfig_name)
  set(tavro_pkgconfig_description "Merchant-side QR-code card payments: ${tavro_description_${component}}")
  tavro_component_layers(libraries ${component})
  set(tavro_pkgconfig_libs "")
  set(systems "")
  foreach(library IN LISTS libraries)
    if(TAVRO_LAYER_${library}_FOLDERS)
      string(PREPEND tavro_pkgconfig_libs "-l${library} ")
    endif()
    list(APPEND systems ${TAVRO_LAYER_${library}_SYSTEM})
  endforeach()
  string(STRIP "${tavro_pkgconfig_libs}" tavro_pkgconfig_libs)
  # The components it builds on: those it brings that no other one it brings brings too.
  tavro_component_brings(${component} below)
  set(indirect "")
  foreach(brought IN LISTS below)
    tavro_component_brings(${brought} theirs)
    list(APPEND indirect ${theirs})
  endforeach()
  set(requires "")
  foreach(brought IN LISTS below)
    if(NOT brought IN_LIST indirect)
      tavro_pkgconfig_file_name(${brought} name)
      list(APPEND requires ${name})
    endif()
  endforeach()
  tavro_in_order(systems TAVRO_SYSTEM_LIBRARIES ${systems})
  foreach(system IN LISTS systems)
    list(APPEND requires ${TAVRO_SYSTEM_${system}_MODULES})
  endforeach()
  list(JOIN requires " " tavro_pkgconfig_requires)
  set(file "${PROJECT_BINARY_DIR}/package/${tavro_pkgconfig_name}.pc")
  configure_file(cmake/TavroMerchantSDK.pc.in "${file}" @ONLY)
  install(FILES "${file}" DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT ${component})
endfunction()

# The package's component table, written into the Config file: the components built, what each brings
# and the pkg-config modules it needs (<prefix>=<modules>).
list(JOIN TAVRO_BUILT_COMPONENTS " " tavro_package_components)
set(TAVRO_PACKAGE_COMPONENT_TABLE "set(_tavro_components ${tavro_package_components})\n")
foreach(component IN LISTS TAVRO_BUILT_COMPONENTS)
  tavro_component_brings(${component} brings)
  list(JOIN brings " " brings)
  tavro_component_layers(libraries ${component})
  tavro_layers_system(systems ${libraries})
  set(needs "")
  foreach(system IN LISTS systems)
    list(JOIN TAVRO_SYSTEM_${system}_MODULES " " modules)
    string(APPEND needs " \"${system}=${modules}\"")
  endforeach()
  string(APPEND TAVRO_PACKAGE_COMPONENT_TABLE "set(_tavro_brings_${component} ${brings})\n"
                                              "set(_tavro_needs_${component}${needs})\n")
endforeach()
configure_package_config_file(cmake/TavroMerchantSDKConfig.cmake.in
  "${PROJECT_BINARY_DIR}/package/TavroMerchantSDKConfig.cmake" INSTALL_DESTINATION ${tavro_package_dir})
write_basic_package_version_file("${PROJECT_BINARY_DIR}/package/TavroMerchantSDKConfigVersion.cmake"
  COMPATIBILITY SameMajorVersion)

# One export set per package component, so a host that asks only for the codec loads no target that
# names a drawing library. A component's file is TavroMerchantSDK-<component>-targets.cmake.
foreach(component IN LISTS TAVRO_BUILT_COMPONENTS)
  tavro_component_layers(libraries ${component})
  install(TARGETS ${libraries} EXPORT TavroMerchantSDK-${component}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${component})
  install(EXPORT TavroMerchantSDK-${component} NAMESPACE TavroMerchantSDK:: DESTINATION ${tavro_package_dir}
    FILE TavroMerchantSDK-${component}-targets.cmake COMPONENT ${component})
  foreach(library IN LISTS libraries)
    tavro_install_headers(${library} ${component})
  endforeach()
  install(FILES "${PROJECT_BINARY_DIR}/package/TavroMerchantSDKConfig.cmake"
    "${PROJECT_BINARY_DIR}/package/TavroMerchantSDKConfigVersion.cmake"
    DESTINATION ${tavro_package_dir} COMPONENT ${component})
  tavro_pkgconfig_file(${component})
endforeach()

# A copy of the framework bundle the support library carries, for a host to start its own from.
if(TARGET tavro_support)
  install(DIRECTORY TavroMerchantSDK/resources/TavroMerchantSDK.bundle
    DESTINATION ${CMAKE_INSTALL_DATADIR}/TavroMerchantSDK COMPONENT ${TAVRO_LAYER_tavro_support_COMPONENT})
endif()
