# Configures the project in one situation and fails unless the configure goes as the case expects:
#   GTest, benchmark, qrcodegencpp, zxing, cairo, pangoft2, spng  that dependency hidden: the configure
#       stops naming the option that builds without it (and, for a drawing library, its Debian package)
#   default_build_type  no build type given: a Release build, said in one line
#   codec_only  TAVRO_UI off with Cairo and libspng hidden: the configure passes, says in one line that
#       the tests are off, and installs the payload component alone
# Usage: cmake -DSOURCE=<source dir> -DWORK=<scratch dir> -DCASE=<case> -DCXX=<compiler> -P ConfigureCases.cmake
cmake_policy(VERSION 3.21)
file(REMOVE_RECURSE "${WORK}")
set(hide "")
set(environment "")
set(option TAVRO_TESTS)
set(also_shown "")
set(hidden ${CASE})
if(CASE STREQUAL "codec_only")
  set(hidden cairo spng)
elseif(CASE STREQUAL "benchmark")
  set(option TAVRO_BENCH)
elseif(CASE MATCHES "^(cairo|pangoft2)$")
  set(option TAVRO_UI)
  set(also_shown "\"${CASE}\".*Debian: libcairo2-dev and libpango1.0-dev")
elseif(CASE STREQUAL "spng")
  set(option TAVRO_UI)
  set(also_shown "\"spng\".*Debian: libspng-dev")
endif()
if(CASE MATCHES "^(GTest|benchmark)$")
  set(hide -DCMAKE_DISABLE_FIND_PACKAGE_${CASE}=ON)
elseif(NOT CASE STREQUAL "default_build_type")
  # pkg-config sees every module of this machine but the hidden one.
  file(MAKE_DIRECTORY "${WORK}/pkgconfig")
  execute_process(COMMAND pkg-config --variable=pc_path pkg-config OUTPUT_VARIABLE search
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REPLACE ":" ";" search "${search}")
  foreach(dir IN LISTS search)
    file(GLOB modules "${dir}/*.pc")
    foreach(module IN LISTS modules)
      get_filename_component(name "${module}" NAME)
      string(REGEX REPLACE "\\.pc$" "" stem "${name}")
      if(NOT stem IN_LIST hidden AND NOT EXISTS "${WORK}/pkgconfig/${name}")
        file(CREATE_LINK "${module}" "${WORK}/pkgconfig/${name}" SYMBOLIC)
      endif()
    endforeach()
  endforeach()
  set(environment PKG_CONFIG_LIBDIR=${WORK}/pkgconfig PKG_CONFIG_PATH=)
endif()

if(CASE STREQUAL "default_build_type")
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK}/build -DCMAKE_CXX_COMPILER=${CXX}
                  -DTAVRO_TESTS=OFF -DTAVRO_BENCH=OFF -DTAVRO_EXAMPLES=OFF -DTAVRO_INSTALL=OFF
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  file(STRINGS "${WORK}/build/CMakeCache.txt" build_type REGEX "^CMAKE_BUILD_TYPE:")
  string(REGEX MATCHALL "[^\n]*build type[^\n]*" said "${output}")
  list(LENGTH said lines)
  if(NOT result EQUAL 0 OR NOT build_type MATCHES "=Release$" OR NOT lines EQUAL 1 OR NOT said MATCHES "Release")
    message(FATAL_ERROR "no build type given: expected a Release build said in one line, got ${build_type}:\n${output}")
  endif()
  return()
endif()

if(CASE STREQUAL "codec_only")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${environment}
                  ${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK}/build -DCMAKE_CXX_COMPILER=${CXX} -DTAVRO_UI=OFF
                  -DTAVRO_TESTS=ON -DTAVRO_BENCH=ON -DTAVRO_EXAMPLES=ON -DTAVRO_INSTALL=ON
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(REGEX MATCHALL "[^\n]*TAVRO_UI is OFF[^\n]*" said "${output}")
  list(LENGTH said lines)
  file(READ "${WORK}/build/cmake_install.cmake" install_rules)
  if(NOT result EQUAL 0 OR NOT lines EQUAL 1 OR NOT said MATCHES "no tests"
     OR NOT install_rules MATCHES "TavroMerchantSDK-payload\\.pc"
     OR install_rules MATCHES "libtavro_support\\.a|TavroMerchantSDK\\.pc|-ui-targets|TavroMerchantSDK\\.bundle")
    message(FATAL_ERROR "TAVRO_UI off: expected a codec-only configure said in one line, installing the payload "
                        "component alone:\n${output}")
  endif()
  return()
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E env ${environment}
                ${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK}/build -DCMAKE_CXX_COMPILER=${CXX} -DTAVRO_TESTS=ON
                -DTAVRO_BENCH=ON -DTAVRO_EXAMPLES=OFF -DTAVRO_INSTALL=OFF ${hide}
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE output)
string(REGEX REPLACE "[ \n]+" " " output "${output}")
if(result EQUAL 0 OR NOT output MATCHES "configure with -D${option}=OFF" OR NOT output MATCHES "${also_shown}")
  message(FATAL_ERROR "${CASE} hidden: the configure does not stop naming -D${option}=OFF ${also_shown}:\n${output}")
endif()
