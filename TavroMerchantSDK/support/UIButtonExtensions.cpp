#include "TavroMerchantSDK/support/UIButtonExtensions.h"

#include "TavroMerchantSDK/support/UIImageDrawingExtensions.h"

namespace tavro {

void setBackgroundColor(platform::UIButton& button, const platform::UIColorPtr& color, platform::UIControlState state)
{
    button.setBackgroundImage(imageWithColor(color, platform::CGSize{1, 1}), state);
}

void setImageColor(platform::UIButton& button, const platform::UIColorPtr& color)
{
    auto image = button.currentImage();
    if (!image)
        return;
    button.setImage(image->withRenderingMode(platform::UIImageRenderingMode::alwaysTemplate),
                    platform::UIControlState::normal);
    button.setTintColor(color);
}

} // namespace tavro
