# Fails when a source outside the graphics module (and the PNG output) includes or calls Cairo or
# Pango, or when any header includes them: views, layers and controls draw only through
# platform/graphics, whose headers name the libraries' types without bringing their declarations
# into every file that draws.
# Usage: cmake -DROOT=<source dir> -P CheckDrawingBoundary.cmake
if(NOT ROOT)
  message(FATAL_ERROR "ROOT is not set")
endif()
file(GLOB_RECURSE sources
  "${ROOT}/platform/*.h" "${ROOT}/platform/*.cpp"
  "${ROOT}/TavroMerchantSDK/*.h" "${ROOT}/TavroMerchantSDK/*.cpp"
  "${ROOT}/tests/*.h" "${ROOT}/tests/*.cpp"
  "${ROOT}/bench/*.h" "${ROOT}/bench/*.cpp"
  "${ROOT}/examples/*.h" "${ROOT}/examples/*.cpp")
set(include_pattern "#include[ \t]*<(cairo|pango)")
set(offenders "")
set(leaking_headers "")
foreach(file IN LISTS sources)
  file(RELATIVE_PATH relative "${ROOT}" "${file}")
  if(relative MATCHES "\\.h$")
    file(STRINGS "${file}" hits REGEX "${include_pattern}")
    if(hits)
      list(APPEND leaking_headers "${relative}")
      continue()
    endif()
  endif()
  if(relative MATCHES "^platform/graphics/" OR relative MATCHES "^tests/platform/graphics/"
     OR relative MATCHES "^platform/render/PNGOutput\\.")
    continue()
  endif()
  file(STRINGS "${file}" hits REGEX "${include_pattern}|(^|[^A-Za-z0-9_])(cairo|pango)_[a-z0-9_]+[ \t]*\\(")
  if(hits)
    list(APPEND offenders "${relative}")
  endif()
endforeach()
set(problems "")
if(leaking_headers)
  list(JOIN leaking_headers "\n  " listed)
  string(APPEND problems "Headers that include Cairo or Pango (declare the types in "
         "platform/graphics/DrawingLibraryTypes.h and include the library in the .cpp):\n  ${listed}\n")
endif()
if(offenders)
  list(JOIN offenders "\n  " listed)
  string(APPEND problems "Cairo or Pango used outside platform/graphics:\n  ${listed}\n")
endif()
if(problems)
  message(FATAL_ERROR "${problems}")
endif()
