# Fails when a source outside the graphics module (and the PNG output) includes or calls Cairo or
# Pango: views, layers and controls draw only through platform/graphics.
# Usage: cmake -DROOT=<source dir> -P CheckDrawingBoundary.cmake
if(NOT ROOT)
  message(FATAL_ERROR "ROOT is not set")
endif()
file(GLOB_RECURSE sources
  "${ROOT}/platform/*.h" "${ROOT}/platform/*.cpp"
  "${ROOT}/TavroMerchantSDK/*.h" "${ROOT}/TavroMerchantSDK/*.cpp"
  "${ROOT}/tests/*.h" "${ROOT}/tests/*.cpp"
  "${ROOT}/bench/*.cpp")
set(offenders "")
foreach(file IN LISTS sources)
  file(RELATIVE_PATH relative "${ROOT}" "${file}")
  if(relative MATCHES "^platform/graphics/" OR relative MATCHES "^tests/platform/graphics/"
     OR relative MATCHES "^platform/render/PNGOutput\\.")
    continue()
  endif()
  file(STRINGS "${file}" hits REGEX "#include[ \t]*<(cairo|pango)|(^|[^A-Za-z0-9_])(cairo|pango)_[a-z0-9_]+[ \t]*\\(")
  if(hits)
    list(APPEND offenders "${relative}")
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " listed)
  message(FATAL_ERROR "Cairo or Pango used outside platform/graphics:\n  ${listed}")
endif()
