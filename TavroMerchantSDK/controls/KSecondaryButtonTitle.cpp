#include "TavroMerchantSDK/controls/KSecondaryButtonTitle.h"

#include "TavroMerchantSDK/controls/KSoftSize.h"
#include "TavroMerchantSDK/support/NSAttributedStringExtensions.h"

#include "platform/graphics/UIFont.h"

#include <cmath>

namespace tavro {

void KSecondaryButtonTitle::setupLayout()
{
    KButton::setupLayout();
    activateSoftSize(sharedFromThis<platform::UIView>(), platform::NSLayoutAttribute::height, height);
}

void KSecondaryButtonTitle::setDefaultValues()
{
    KButton::setDefaultValues();
    titleLabel()->setFont(platform::UIFont::systemFont(16));
}

platform::CGFloat KSecondaryButtonTitle::minimumWidth() const
{
    auto title = attributedTitle(platform::UIControlState::normal);
    if (!title)
        return 0;
    return std::ceil(requiredWidth(*title, frame().size.height)) + 6;
}

} // namespace tavro
