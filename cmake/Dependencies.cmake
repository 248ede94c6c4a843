# System packages; scripts/install-deps.sh installs them on a fresh machine.
# The product's own dependencies are found the same way by the installed package
# (TavroMerchantSDKConfig.cmake.in): keep the two in step. The pkg-config prefixes carry the
# project's name so they cannot meet a host's own ICU or Cairo variables.
find_package(PkgConfig REQUIRED)
find_package(nlohmann_json REQUIRED)

pkg_check_modules(TAVRO_ICU REQUIRED IMPORTED_TARGET icu-uc icu-i18n)
pkg_check_modules(TAVRO_CAIRO REQUIRED IMPORTED_TARGET cairo pangocairo pangoft2)
pkg_check_modules(TAVRO_SPNG REQUIRED IMPORTED_TARGET spng)

# Test-only dependencies, looked for only when the tests are built (never for a host that adds
# the framework as a subproject): qrcodegen holds our QR encoder bit-exact, zxing-cpp decodes
# every QR code the platform draws, GoogleTest runs them.
if(TAVRO_TESTS)
  pkg_check_modules(TAVRO_QRCODEGEN REQUIRED IMPORTED_TARGET qrcodegencpp)
  pkg_check_modules(TAVRO_ZXING QUIET IMPORTED_TARGET zxing)
  if(NOT TAVRO_ZXING_FOUND)
    message(FATAL_ERROR "The tests need the zxing-cpp QR decoder (pkg-config module \"zxing\", Debian package "
                        "libzxing-dev; scripts/install-deps.sh installs it). Install it, or configure with "
                        "-DTAVRO_TESTS=OFF.")
  endif()
  add_library(tavro::qrcodegen ALIAS PkgConfig::TAVRO_QRCODEGEN)
  add_library(tavro::zxing ALIAS PkgConfig::TAVRO_ZXING)
  find_package(GTest REQUIRED)
endif()
if(TAVRO_BENCH)
  find_package(benchmark REQUIRED)
endif()
