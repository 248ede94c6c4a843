#include "TavroMerchantSDK/controls/KPrimaryButton.h"

#include "TavroMerchantSDK/controls/KSoftSize.h"
#include "TavroMerchantSDK/support/KDefaultConstants.h"
#include "TavroMerchantSDK/support/UIButtonExtensions.h"

#include "platform/graphics/UIFont.h"

namespace tavro {

void KPrimaryButton::setupLayout()
{
    KButton::setupLayout();
    activateSoftSize(sharedFromThis<platform::UIView>(), platform::NSLayoutAttribute::height, height);
}

void KPrimaryButton::setDefaultValues()
{
    KButton::setDefaultValues();
    titleLabel()->setFont(platform::UIFont::systemFont(16));
    tavro::setBackgroundColor(*this, KDefaultConstants::ACTION_UI_COLOR(), platform::UIControlState::normal);
    tavro::setBackgroundColor(*this, KDefaultConstants::ACTION_UI_ACTIVE_COLOR(),
                              platform::UIControlState::highlighted);
}

} // namespace tavro
