#include "TavroMerchantSDK/support/NSAttributedStringExtensions.h"

#include "platform/graphics/LabelText.h"
#include "platform/graphics/UIFont.h"

#include <cmath>

namespace tavro {

namespace {

constexpr double kRequiredWidthBoxWidth = 10000;
constexpr double kDefaultFontSize = 12;

// The same layout the installed measurer uses.
platform::TextSize measureDirectly(const platform::NSAttributedString& text, platform::TextSize box, unsigned options)
{
    platform::LabelTextStyle style;
    style.font = platform::UIFont::systemFont(kDefaultFontSize);
    style.alignment = platform::NSTextAlignment::left;
    style.lineBreakMode = platform::NSLineBreakMode::byWordWrapping;
    style.maximumLines = 0;
    bool wraps =
        (options & platform::NSStringDrawingUsesLineFragmentOrigin) != 0 && std::isfinite(box.width) && box.width > 0;
    auto size = platform::measureLabelText(text, style, wraps ? box.width : 0);
    return {size.width, size.height};
}

} // namespace

platform::TextSize measureBoundingSize(const platform::NSAttributedString& text, platform::TextSize box,
                                       unsigned options)
{
    if (text.length() == 0)
        return {};
    auto size = text.boundingSize(box, options);
    // Laid-out text that is not empty always has a line's height; none means no measurer answered.
    if (size.height > 0)
        return size;
    return measureDirectly(text, box, options);
}

platform::CGFloat requiredWidth(const platform::NSAttributedString& text, platform::CGFloat height)
{
    auto size =
        measureBoundingSize(text, {kRequiredWidthBoxWidth, height},
                            platform::NSStringDrawingUsesLineFragmentOrigin | platform::NSStringDrawingUsesFontLeading |
                                platform::NSStringDrawingUsesDeviceMetrics);
    return size.width;
}

} // namespace tavro
