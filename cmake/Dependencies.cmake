# System packages; scripts/install-deps.sh installs them on a fresh machine.
find_package(PkgConfig REQUIRED)
find_package(nlohmann_json REQUIRED)

pkg_check_modules(ICU REQUIRED IMPORTED_TARGET icu-uc icu-i18n)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo pangocairo pangoft2)
pkg_check_modules(QRCODEGEN REQUIRED IMPORTED_TARGET qrcodegencpp)
pkg_check_modules(SPNG REQUIRED IMPORTED_TARGET spng)
# The tests decode every QR code the platform draws with an independent decoder.
if(TAVRO_TESTS)
  pkg_check_modules(ZXING QUIET IMPORTED_TARGET zxing)
  if(NOT ZXING_FOUND)
    message(FATAL_ERROR "The tests need the zxing-cpp QR decoder (pkg-config module \"zxing\", Debian package "
                        "libzxing-dev; scripts/install-deps.sh installs it). Install it, or configure with "
                        "-DTAVRO_TESTS=OFF.")
  endif()
endif()

add_library(tavro::icu ALIAS PkgConfig::ICU)
add_library(tavro::cairo ALIAS PkgConfig::CAIRO)
add_library(tavro::qrcodegen ALIAS PkgConfig::QRCODEGEN)
add_library(tavro::spng ALIAS PkgConfig::SPNG)
if(TAVRO_TESTS)
  add_library(tavro::zxing ALIAS PkgConfig::ZXING)
endif()

if(TAVRO_TESTS)
  find_package(GTest REQUIRED)
endif()
if(TAVRO_BENCH)
  find_package(benchmark REQUIRED)
endif()
