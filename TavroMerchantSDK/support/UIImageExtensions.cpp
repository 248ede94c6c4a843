#include "TavroMerchantSDK/support/UIImageExtensions.h"

#include "TavroMerchantSDK/support/FrameworkBundle.h"
#include "TavroMerchantSDK/support/KUtils.h"

#include "platform/graphics/ScreenScale.h"

namespace tavro {

platform::UIImagePtr uiControlsImageNamed(const std::string& name)
{
    return platform::UIImage::named(name, *KUtils::uiControlsBundle(), platform::mainScreenScale());
}

platform::UIImagePtr tavroImageTemp(const std::string& name)
{
    return platform::UIImage::named(name, *frameworkBundle(), platform::mainScreenScale());
}

platform::UIImagePtr tavroImage(const std::string& name)
{
    auto image = tavroImageTemp(name);
    return image ? image : platform::UIImage::create();
}

platform::UIImagePtr tavroImageFlip(const std::string& name)
{
    auto image = tavroImageTemp(name);
    return image ? image->imageFlippedForRightToLeftLayoutDirection() : platform::UIImage::create();
}

} // namespace tavro
