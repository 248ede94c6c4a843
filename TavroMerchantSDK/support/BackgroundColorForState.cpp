#include "TavroMerchantSDK/support/BackgroundColorForState.h"

#include "TavroMerchantSDK/support/UIButtonExtensions.h"

namespace tavro {

void ButtonBackgroundColorForState::setBackgroundColor(const platform::UIColorPtr& color,
                                                       platform::UIControlState state)
{
    if (auto button = m_button.lock())
        tavro::setBackgroundColor(*button, color, state);
}

} // namespace tavro
