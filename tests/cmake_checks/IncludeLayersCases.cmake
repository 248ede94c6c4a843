# Runs the include-layer check on small generated trees and fails unless each is judged as expected.
# Usage: cmake -DCHECK=<CheckIncludeLayers.cmake> -DWORK=<scratch dir> -P IncludeLayersCases.cmake
if(NOT CHECK OR NOT WORK)
  message(FATAL_ERROR "CHECK and WORK must be set")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/JudgeCheck.cmake)

judge(core_includes_below TavroMerchantSDK/core/Session.cpp
      "#include \"TavroMerchantSDK/support/KUtils.h\"\n#include \"TavroMerchantSDK/payload/QRCodeTag.h\"
#include \"TavroMerchantSDK/support/base/TavroError.h\"\n#include \"platform/ui/UIView.h\"" accepted)
judge(confirm_payment_includes_cells TavroMerchantSDK/Common/ConfirmPayment/View/Picker.h
      "#include \"TavroMerchantSDK/Common/CellView/Row.h\"\n#include \"TavroMerchantSDK/screens/Screen.h\"" accepted)
judge(commented_include TavroMerchantSDK/payload/Codec.cpp "// see TavroMerchantSDK/core/TavroSession.h\n#include <vector>"
      accepted)

judge(platform_testing_uses_render platform/testing/Driver.cpp
      "#include \"platform/testing/UIDriver.h\"\n#include \"platform/render/Renderer.h\"" accepted)
judge(screens_reach_graphics TavroMerchantSDK/screens/Screen.cpp "#include <platform/graphics/CGContext.h>" accepted)

judge(support_includes_core TavroMerchantSDK/support/Planted.cpp "#include \"TavroMerchantSDK/core/TavroSession.h\""
      "TavroMerchantSDK/support/Planted.cpp includes TavroMerchantSDK/core/TavroSession.h: tavro_support does not use tavro_core")
judge(base_includes_support TavroMerchantSDK/support/base/Planted.h "  #  include \"TavroMerchantSDK/support/KUtils.h\""
      "tavro_support_base does not use tavro_support")
judge(payload_includes_support TavroMerchantSDK/payload/Planted.cpp "#include <TavroMerchantSDK/support/Utilities.h>"
      "tavro_payload does not use tavro_support")
judge(cells_include_picker TavroMerchantSDK/Common/CellView/Planted.cpp
      "#include \"TavroMerchantSDK/Common/ConfirmPayment/View/Picker.h\"" "tavro_cells does not use tavro_screens")
judge(platform_includes_framework platform/ui/Planted.cpp "#include \"TavroMerchantSDK/payload/QRCodeTag.h\""
      "platform/ui/Planted.cpp includes TavroMerchantSDK/payload/QRCodeTag.h: the platform never includes the framework")
judge(folder_in_no_layer TavroMerchantSDK/extras/Thing.cpp "#include \"platform/ui/UIView.h\""
      "TavroMerchantSDK/extras/Thing.cpp is in no layer")
judge(relative_include TavroMerchantSDK/core/Planted.cpp "#include \"../screens/Screen.h\""
      "includes ../screens/Screen.h: a quoted include starts at platform/ or TavroMerchantSDK/")
judge(foundation_includes_ui platform/foundation/Planted.cpp "#include \"platform/ui/UIView.h\""
      "tavro_platform_foundation does not use tavro_platform_ui")
judge(layout_includes_graphics platform/layout/Planted.h "#include \"platform/graphics/CGContext.h\""
      "tavro_platform_layout does not use tavro_platform_graphics")
judge(framework_includes_ui_driver TavroMerchantSDK/screens/Planted.cpp "#include \"platform/testing/UIDriver.h\""
      "only the tests and hosts include the UI driver")
judge(payload_includes_ui TavroMerchantSDK/payload/Planted.cpp "#include \"platform/ui/UIView.h\""
      "tavro_payload does not use tavro_platform_ui")
judge(support_base_includes_graphics TavroMerchantSDK/support/base/Planted.cpp "#include \"platform/graphics/UIImage.h\""
      "tavro_support_base does not use tavro_platform_graphics")

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "include layers: every case judged as expected")
