# tavro_library(<target> <dirs> DEPS <libs...>)
# One static library per source folder; every .cpp below the folders belongs to it. A folder that
# does not exist or holds no .cpp is a configure error, never a silently empty library; only the
# folders listed in TAVRO_PENDING_FOLDERS (subsystems whose first sources are still to come) may be
# missing or empty, and a target made only of such folders is an interface target marked pending.
function(tavro_library target dirs)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  set(sources "")
  foreach(dir IN LISTS dirs)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${dir}/*.cpp")
    if(found)
      list(APPEND sources ${found})
    elseif(NOT dir IN_LIST TAVRO_PENDING_FOLDERS)
      if(NOT IS_DIRECTORY "${PROJECT_SOURCE_DIR}/${dir}")
        message(FATAL_ERROR "Library ${target}: the folder ${dir} does not exist")
      endif()
      message(FATAL_ERROR "Library ${target}: the folder ${dir} has no .cpp sources")
    endif()
  endforeach()
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
    set_property(TARGET ${target} PROPERTY TAVRO_PENDING TRUE)
  endif()
endfunction()

# tavro_test(<name> <dir> DEPS <library> <libs...>): one GoogleTest program for the sources below
# tests/<dir>, testing <library> (the first of DEPS). A library with code must have its tests: a
# missing or empty tests/<dir> is a configure error, unless the library is still pending.
function(tavro_test name dir)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp")
  if(NOT sources)
    list(GET ARG_DEPS 0 library)
    get_property(pending TARGET ${library} PROPERTY TAVRO_PENDING)
    if(pending)
      message(STATUS "Test program ${name}: ${library} has no sources yet; nothing to test")
      return()
    endif()
    message(FATAL_ERROR "Test program ${name}: tests/${dir} has no .cpp tests, but ${library} has code")
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "TAVRO_ARTIFACT_DIR=${PROJECT_BINARY_DIR}/artifacts;TAVRO_BUNDLE_PATH=${PROJECT_SOURCE_DIR}/TavroMerchantSDK/resources/TavroMerchantSDK.bundle"
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
endfunction()
