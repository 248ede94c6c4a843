# Runs the drawing-boundary check on small generated trees and fails unless each is judged as
# expected. Usage: cmake -DCHECK=<CheckDrawingBoundary.cmake> -DWORK=<scratch dir> -P DrawingBoundaryCases.cmake
if(NOT CHECK OR NOT WORK)
  message(FATAL_ERROR "CHECK and WORK must be set")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/JudgeCheck.cmake)

judge(graphics_source platform/graphics/Drawing.cpp "#include <cairo.h>\nvoid f(cairo_t* cr) { cairo_paint(cr); }" accepted)
judge(forward_declaring_header platform/graphics/Drawing.h "typedef struct _cairo cairo_t;\nvoid f(cairo_t* cr);" accepted)
judge(graphics_header platform/graphics/Leaky.h "#include <cairo.h>" "Headers that include Cairo or Pango" "platform/graphics/Leaky.h")
judge(text_header platform/graphics/TextLeak.h "#include  <pango/pangocairo.h>" "platform/graphics/TextLeak.h")
judge(graphics_test_header tests/platform/graphics/Support.h "#include <cairo.h>" "tests/platform/graphics/Support.h")
judge(view_source platform/ui/View.cpp "void f(void* cr) { cairo_paint(cr); }" "used outside platform/graphics" "platform/ui/View.cpp")
judge(screen_header TavroMerchantSDK/screens/Screen.h "#include <pango/pango.h>" "TavroMerchantSDK/screens/Screen.h")

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "drawing boundary: every case judged as expected")
