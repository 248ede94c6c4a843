#include "TavroMerchantSDK/support/StringMeasuringExtensions.h"

#include "TavroMerchantSDK/support/NSAttributedStringExtensions.h"

#include <cmath>
#include <limits>

namespace tavro {

platform::CGFloat height(std::string_view text, platform::CGFloat width, const platform::UIFontPtr& font)
{
    platform::TextAttributes attributes;
    if (font)
        attributes.emplace(platform::NSAttributedStringKey::font, font);
    platform::NSAttributedString attributed(text, std::move(attributes));
    auto size = measureBoundingSize(attributed, {width, std::numeric_limits<double>::max()},
                                    platform::NSStringDrawingUsesLineFragmentOrigin);
    return std::ceil(size.height);
}

} // namespace tavro
