# System packages; scripts/install-deps.sh installs them on a fresh machine.
find_package(PkgConfig REQUIRED)
find_package(nlohmann_json REQUIRED)

pkg_check_modules(ICU REQUIRED IMPORTED_TARGET icu-uc icu-i18n)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo pangocairo pangoft2)
pkg_check_modules(QRCODEGEN REQUIRED IMPORTED_TARGET qrcodegencpp)
pkg_check_modules(SPNG REQUIRED IMPORTED_TARGET spng)
pkg_check_modules(ZXING IMPORTED_TARGET zxing)

add_library(tavro::icu ALIAS PkgConfig::ICU)
add_library(tavro::cairo ALIAS PkgConfig::CAIRO)
add_library(tavro::qrcodegen ALIAS PkgConfig::QRCODEGEN)
add_library(tavro::spng ALIAS PkgConfig::SPNG)
if(ZXING_FOUND)
  add_library(tavro::zxing ALIAS PkgConfig::ZXING)
endif()

if(TAVRO_TESTS)
  find_package(GTest REQUIRED)
endif()
if(TAVRO_BENCH)
  find_package(benchmark REQUIRED)
endif()
