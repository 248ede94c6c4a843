# System packages; scripts/install-deps.sh installs them on a fresh machine.
# The libraries' system libraries are listed in the table of the layers (TavroLayers.cmake), which the
# installed package (TavroMerchantSDKConfig.cmake.in) and the pkg-config files take them from. Only
# those of the libraries built are looked for: with TAVRO_UI off, ICU and nlohmann_json. The
# pkg-config prefixes carry the project's name so they cannot meet a host's own ICU or Cairo variables.
find_package(PkgConfig REQUIRED)
find_package(nlohmann_json REQUIRED)

# tavro_require_for(<option> <found> <what>): stops the configure when a dependency an option asks for
# is missing, naming the option that builds without it.
function(tavro_require_for option found what)
  if(NOT found)
    message(FATAL_ERROR "${option} needs ${what}, which was not found (scripts/install-deps.sh installs it). "
                        "Install it, or configure with -D${option}=OFF.")
  endif()
endfunction()

# The system libraries of the libraries built; a missing one names the modules pkg-config lacks, and
# TAVRO_UI when only the UI needs it.
tavro_layers_system(tavro_needed ${TAVRO_BUILT_LAYERS})
tavro_component_layers(tavro_codec_layers payload)
tavro_layers_system(tavro_codec_needs ${tavro_codec_layers})
foreach(tavro_system IN LISTS tavro_needed)
  set(tavro_modules ${TAVRO_SYSTEM_${tavro_system}_MODULES})
  pkg_check_modules(${tavro_system} QUIET IMPORTED_TARGET ${tavro_modules})
  if(${tavro_system}_FOUND)
    continue()
  endif()
  set(tavro_missing "")
  foreach(tavro_module IN LISTS tavro_modules)
    execute_process(COMMAND ${PKG_CONFIG_EXECUTABLE} --exists ${tavro_module} RESULT_VARIABLE tavro_absent)
    if(tavro_absent)
      list(APPEND tavro_missing "\"${tavro_module}\"")
    endif()
  endforeach()
  list(JOIN tavro_missing ", " tavro_missing)
  list(JOIN TAVRO_SYSTEM_${tavro_system}_DEBIAN " and " tavro_debian)
  set(tavro_what "${TAVRO_SYSTEM_${tavro_system}_WHAT} (pkg-config: ${tavro_missing}; Debian: ${tavro_debian})")
  if(tavro_system IN_LIST tavro_codec_needs)
    message(FATAL_ERROR "TavroMerchantSDK needs ${tavro_what}, which was not found "
                        "(scripts/install-deps.sh installs it).")
  endif()
  tavro_require_for(TAVRO_UI FALSE "${tavro_what}")
endforeach()

# Test-only dependencies, looked for only when the tests are built (never for a host that adds
# the framework as a subproject): qrcodegen holds our QR encoder bit-exact, zxing-cpp decodes
# every QR code the platform draws, GoogleTest runs them.
if(TAVRO_TESTS)
  pkg_check_modules(TAVRO_QRCODEGEN QUIET IMPORTED_TARGET qrcodegencpp)
  tavro_require_for(TAVRO_TESTS "${TAVRO_QRCODEGEN_FOUND}"
                    "the qrcodegen QR encoder (pkg-config module \"qrcodegencpp\", Debian package libqrcodegencpp-dev)")
  pkg_check_modules(TAVRO_ZXING QUIET IMPORTED_TARGET zxing)
  tavro_require_for(TAVRO_TESTS "${TAVRO_ZXING_FOUND}"
                    "the zxing-cpp QR decoder (pkg-config module \"zxing\", Debian package libzxing-dev)")
  add_library(tavro::qrcodegen ALIAS PkgConfig::TAVRO_QRCODEGEN)
  add_library(tavro::zxing ALIAS PkgConfig::TAVRO_ZXING)
  find_package(GTest QUIET)
  tavro_require_for(TAVRO_TESTS "${GTest_FOUND}" "GoogleTest (Debian packages libgtest-dev and libgmock-dev)")
endif()
if(TAVRO_BENCH)
  find_package(benchmark QUIET)
  tavro_require_for(TAVRO_BENCH "${benchmark_FOUND}" "Google Benchmark (Debian package libbenchmark-dev)")
endif()
