#include "TavroMerchantSDK/support/TAVROThemes.h"

#include "TavroMerchantSDK/support/SessionServices.h"
#include "TavroMerchantSDK/support/UIButtonExtensions.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"

namespace tavro {

namespace {

ActionButtonColors actionButtonColors()
{
    ActionButtonColors colors = configuredActionButtonColors().value_or(ActionButtonColors{});
    if (!colors.actionButtonColor)
        colors.actionButtonColor = defaultSdkActionButtonColor();
    if (!colors.actionButtonActiveColor)
        colors.actionButtonActiveColor = defaultSdkActionButtonActiveColor();
    if (!colors.actionButtonFontColor)
        colors.actionButtonFontColor = defaultSdkActionButtonFontColor();
    return colors;
}

} // namespace

void TAVROThemes::setThemeForButton(platform::UIButton& button)
{
    auto colors = actionButtonColors();
    setBackgroundColor(button, colors.actionButtonColor, platform::UIControlState::normal);
    setBackgroundColor(button, colors.actionButtonColor, platform::UIControlState::disabled);
    setBackgroundColor(button, colors.actionButtonActiveColor, platform::UIControlState::highlighted);
    button.setTitleColor(colors.actionButtonFontColor, platform::UIControlState::normal);
}

} // namespace tavro
