#include "TavroMerchantSDK/support/UIImageViewExtensions.h"

namespace tavro {

void setImageColor(platform::UIImageView& imageView, const platform::UIColorPtr& color)
{
    auto image = imageView.image();
    if (!image)
        return;
    imageView.setImage(image->withRenderingMode(platform::UIImageRenderingMode::alwaysTemplate));
    imageView.setTintColor(color);
}

} // namespace tavro
