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
# tavro_require_for(<option> <found> <what>): stops the configure when a dependency of the tests or
# benchmarks is missing, naming the option that builds without them.
function(tavro_require_for option found what)
  if(NOT found)
    message(FATAL_ERROR "${option} needs ${what}, which was not found (scripts/install-deps.sh installs it). "
                        "Install it, or configure with -D${option}=OFF.")
  endif()
endfunction()

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
