#include "TavroMerchantSDK/support/NSAttributedStringExtensions.h"

#include "platform/graphics/TextMeasurement.h"

namespace tavro {

namespace {

constexpr double kRequiredWidthBoxWidth = 10000;

} // namespace

platform::TextSize measureBoundingSize(const platform::NSAttributedString& text, platform::TextSize box,
                                       unsigned options)
{
    return platform::measureAttributedText(text, box, options);
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
