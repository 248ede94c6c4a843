#include "platform/graphics/TextMeasurement.h"

#include "platform/graphics/LabelText.h"
#include "platform/graphics/UIFont.h"

#include <cmath>

namespace platform {

namespace {

constexpr double kDefaultAttributedFontSize = 12;

} // namespace

TextSize measureAttributedText(const NSAttributedString& text, TextSize box, unsigned options)
{
    if (text.length() == 0) {
        return {};
    }
    LabelTextStyle style;
    style.font = UIFont::systemFont(kDefaultAttributedFontSize);
    style.alignment = NSTextAlignment::left;
    style.lineBreakMode = NSLineBreakMode::byWordWrapping;
    style.maximumLines = 0;
    bool wraps = (options & NSStringDrawingUsesLineFragmentOrigin) != 0 && std::isfinite(box.width) && box.width > 0;
    CGSize size = measureLabelText(text, style, wraps ? box.width : 0);
    return {size.width, size.height};
}

} // namespace platform
