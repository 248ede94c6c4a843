# Configures the project with one test or benchmark dependency hidden and fails unless the configure
# stops naming the option that builds without it.
# Usage: cmake -DSOURCE=<source dir> -DWORK=<scratch dir> -DCASE=<GTest|benchmark|qrcodegencpp|zxing>
#              -DCXX=<compiler> -P MissingDependencyCases.cmake
file(REMOVE_RECURSE "${WORK}")
set(hide "")
set(option TAVRO_TESTS)
if(CASE STREQUAL "benchmark")
  set(option TAVRO_BENCH)
endif()
if(CASE MATCHES "^(GTest|benchmark)$")
  set(hide -DCMAKE_DISABLE_FIND_PACKAGE_${CASE}=ON)
  set(environment "")
else()
  # pkg-config sees every module of this machine but the hidden one.
  file(MAKE_DIRECTORY "${WORK}/pkgconfig")
  execute_process(COMMAND pkg-config --variable=pc_path pkg-config OUTPUT_VARIABLE search
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REPLACE ":" ";" search "${search}")
  foreach(dir IN LISTS search)
    file(GLOB modules "${dir}/*.pc")
    foreach(module IN LISTS modules)
      get_filename_component(name "${module}" NAME)
      if(NOT name STREQUAL "${CASE}.pc" AND NOT EXISTS "${WORK}/pkgconfig/${name}")
        file(CREATE_LINK "${module}" "${WORK}/pkgconfig/${name}" SYMBOLIC)
      endif()
    endforeach()
  endforeach()
  set(environment PKG_CONFIG_LIBDIR=${WORK}/pkgconfig PKG_CONFIG_PATH=)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${environment}
                ${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK}/build -DCMAKE_CXX_COMPILER=${CXX} -DTAVRO_TESTS=ON
                -DTAVRO_BENCH=ON -DTAVRO_EXAMPLES=OFF -DTAVRO_INSTALL=OFF ${hide}
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE output)
string(REGEX REPLACE "[ \n]+" " " output "${output}")
if(result EQUAL 0 OR NOT output MATCHES "configure with -D${option}=OFF")
  message(FATAL_ERROR "${CASE} hidden: the configure does not stop naming -D${option}=OFF:\n${output}")
endif()
