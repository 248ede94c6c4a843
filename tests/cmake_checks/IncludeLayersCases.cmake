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

judge(support_includes_core TavroMerchantSDK/support/Planted.cpp "#include \"TavroMerchantSDK/core/TavroSession.h\""
      "TavroMerchantSDK/support/Planted.cpp includes TavroMerchantSDK/core/TavroSession.h: core is above support")
judge(base_includes_support TavroMerchantSDK/support/base/Planted.h "  #  include \"TavroMerchantSDK/support/KUtils.h\""
      "support is above support/base")
judge(payload_includes_support TavroMerchantSDK/payload/Planted.cpp "#include <TavroMerchantSDK/support/Utilities.h>"
      "support is above payload")
judge(cells_include_picker TavroMerchantSDK/Common/CellView/Planted.cpp
      "#include \"TavroMerchantSDK/Common/ConfirmPayment/View/Picker.h\"" "screens is above cells")
judge(platform_includes_framework platform/ui/Planted.cpp "#include \"TavroMerchantSDK/payload/QRCodeTag.h\""
      "platform/ui/Planted.cpp includes TavroMerchantSDK/payload/QRCodeTag.h: the platform never includes the framework")
judge(folder_in_no_layer TavroMerchantSDK/extras/Thing.cpp "#include \"platform/ui/UIView.h\""
      "TavroMerchantSDK/extras/Thing.cpp is in no layer")

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "include layers: every case judged as expected")
