include(GNUInstallDirs)

# tavro_warnings(<target>): the project's warning flags, private to its own targets so a host that
# adds the framework keeps its own. TAVRO_WERROR (CI) makes them errors.
function(tavro_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${TAVRO_WERROR}>:-Werror>)
  # GCC 12 at -O3 warns inside inlined standard-library code: -Wrestrict on std::string's copies
  # (char_traits.h) and -Wmaybe-uninitialized on std::optional's storage read behind its has_value
  # test. Both are false positives of that compiler; later ones and clang keep the warnings.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict -Wno-maybe-uninitialized)
  endif()
endfunction()

# tavro_drop_excluded(<list var> <root> <subdirs>): removes from the list the files below root/subdir.
function(tavro_drop_excluded list_var root subdirs)
  set(kept ${${list_var}})
  foreach(sub IN LISTS subdirs)
    list(FILTER kept EXCLUDE REGEX "^${root}/${sub}/")
  endforeach()
  set(${list_var} ${kept} PARENT_SCOPE)
endfunction()

# tavro_library(<target> <dirs> [EXCLUDE <subdirs...>] DEPS <libs...>)
# One static library per source folder; every .cpp below the folders belongs to it, except those below
# an EXCLUDE folder (a nested folder that is a library of its own). A folder that
# does not exist or holds no .cpp is a configure error, never a silently empty library; only the
# folders listed in TAVRO_PENDING_FOLDERS (subsystems whose first sources are still to come) may be
# missing or empty, and a target made only of such folders is an interface target marked pending.
# Users of a library get C++20 and its include root: the source tree in the build, include/tavro
# once installed.
function(tavro_library target dirs)
  cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
  set(sources "")
  foreach(dir IN LISTS dirs)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${dir}/*.cpp")
    tavro_drop_excluded(found "${PROJECT_SOURCE_DIR}" "${ARG_EXCLUDE}")
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
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
                                                $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/tavro>)
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
    target_compile_features(${target} PUBLIC cxx_std_20)
    tavro_warnings(${target})
    # Position-independent code lets GCC assume any global function may be replaced at run time, which
    # stops it inlining calls between a library's own functions; these archives are never interposed.
    target_compile_options(${target} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-fno-semantic-interposition>)
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
                                                   $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/tavro>)
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
    target_compile_features(${target} INTERFACE cxx_std_20)
    set_property(TARGET ${target} PROPERTY TAVRO_PENDING TRUE)
  endif()
endfunction()

# tavro_layer_target(<library>): the target of one entry of the layers table (TavroLayers.cmake): a
# library of its folders, leaving out the folders of libraries nested in them, linking the libraries it
# uses and its system libraries; or an interface target when it has no folders. It is also
# TavroMerchantSDK::<its export name, else its own name>, as the installed package names it, so a host
# that adds the framework as a subproject links the same names.
function(tavro_layer_target library)
  set(deps ${TAVRO_LAYER_${library}_USES} ${TAVRO_LAYER_${library}_LINKS})
  foreach(system IN LISTS TAVRO_LAYER_${library}_SYSTEM)
    list(APPEND deps PkgConfig::${system})
  endforeach()
  if(TAVRO_LAYER_${library}_FOLDERS)
    tavro_nested_folders(${library} nested)
    tavro_library(${library} "${TAVRO_LAYER_${library}_FOLDERS}" EXCLUDE ${nested} DEPS ${deps})
    tavro_no_build_paths(${library})
  else()
    add_library(${library} INTERFACE)
    target_link_libraries(${library} INTERFACE ${deps})
  endif()
  set(package_name ${library})
  if(TAVRO_LAYER_${library}_EXPORT)
    set(package_name ${TAVRO_LAYER_${library}_EXPORT})
    set_target_properties(${library} PROPERTIES EXPORT_NAME ${package_name})
  endif()
  add_library(TavroMerchantSDK::${package_name} ALIAS ${library})
endfunction()

# tavro_no_build_paths(<library>): the source and build trees are renamed in what the compiler writes
# into the library's objects (assert's file names, debug information), so no build type compiles a
# path of this machine into an archive. Private: the tests and the hosts keep their real paths. The
# build tree comes last, so a build tree inside the source tree takes its own name.
function(tavro_no_build_paths library)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${library} PRIVATE "-ffile-prefix-map=${PROJECT_SOURCE_DIR}=TavroMerchantSDK"
                                              "-ffile-prefix-map=${PROJECT_BINARY_DIR}=TavroMerchantSDK-build")
  endif()
endfunction()

# tavro_test(<name> <dirs> DEPS <library> <libs...>): one GoogleTest program for the sources below
# each tests/<dir>, testing <library> (the first of DEPS). A library with code must have its tests: no
# .cpp below the folders is a configure error, unless the library is still pending.
function(tavro_test name dirs)
  cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
  set(sources "")
  foreach(dir IN LISTS dirs)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp")
    tavro_drop_excluded(found "${CMAKE_CURRENT_SOURCE_DIR}" "${ARG_EXCLUDE}")
    list(APPEND sources ${found})
  endforeach()
  if(NOT sources)
    list(GET ARG_DEPS 0 library)
    get_property(pending TARGET ${library} PROPERTY TAVRO_PENDING)
    if(pending)
      message(STATUS "Test program ${name}: ${library} has no sources yet; nothing to test")
      return()
    endif()
    message(FATAL_ERROR "Test program ${name}: tests/${dirs} has no .cpp tests, but ${library} has code")
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  tavro_warnings(${name})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "TAVRO_ARTIFACT_DIR=${PROJECT_BINARY_DIR}/artifacts"
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
endfunction()
