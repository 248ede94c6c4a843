#include "TavroMerchantSDK/support/KDefaultConstants.h"

#include "TavroMerchantSDK/support/UIColorExtensions.h"

namespace tavro {

// Function-local statics: made on first read, once, safely against concurrent first reads.
#define TAVRO_DEFAULT_COLOR(name, hex) \
    const platform::UIColorPtr& KDefaultConstants::name() \
    { \
        static const platform::UIColorPtr color = colorWithHexString(hex); \
        return color; \
    }

TAVRO_DEFAULT_COLOR(ACCENT_UI_COLOR, "#F7B600")
TAVRO_DEFAULT_COLOR(ACTION_UI_COLOR, "#003EA9")
TAVRO_DEFAULT_COLOR(ACTION_UI_ACTIVE_COLOR, "#1869D6")
TAVRO_DEFAULT_COLOR(LIGHT_UI_COLOR, "#FFFFFF")
TAVRO_DEFAULT_COLOR(LIGHT_UI_ELEMENT_COLOR, "#1D2A59")
TAVRO_DEFAULT_COLOR(LIGHT_UI_ELEMENT_ALT_COLOR, "#6F7099")
TAVRO_DEFAULT_COLOR(DARK_UI_COLOR, "#15195A")
TAVRO_DEFAULT_COLOR(DARK_UI_ELEMENT_COLOR, "#FFFFFF")
TAVRO_DEFAULT_COLOR(DARK_UI_ELEMENT_ALT_COLOR, "#8B8C9C")
TAVRO_DEFAULT_COLOR(MSG_NEGATIVE_UI_COLOR, "#D60036")
TAVRO_DEFAULT_COLOR(MSG_POSITIVE_UI_COLOR, "#398C47")

#undef TAVRO_DEFAULT_COLOR

} // namespace tavro
