#include "TavroMerchantSDK/support/NSMutableAttributedStringExtensions.h"

namespace tavro {

namespace {

platform::NSRange wholeText(const platform::NSMutableAttributedString& text)
{
    return platform::NSRange{0, text.length()};
}

} // namespace

void addCharacterSpacing(platform::NSMutableAttributedString& text, std::int64_t spacing)
{
    text.addAttribute(platform::NSAttributedStringKey::kern, spacing, wholeText(text));
}

void setForegroundColor(platform::NSMutableAttributedString& text, platform::UIColorPtr color)
{
    if (color)
        text.addAttribute(platform::NSAttributedStringKey::foregroundColor, std::move(color), wholeText(text));
}

void setFont(platform::NSMutableAttributedString& text, platform::UIFontPtr font)
{
    if (font)
        text.addAttribute(platform::NSAttributedStringKey::font, std::move(font), wholeText(text));
}

platform::NSMutableAttributedString attributedString(std::string_view text, platform::UIColorPtr color,
                                                     platform::UIFontPtr font, std::optional<std::int64_t> spacing)
{
    platform::NSMutableAttributedString result(text);
    setForegroundColor(result, std::move(color));
    setFont(result, std::move(font));
    if (spacing)
        addCharacterSpacing(result, *spacing);
    return result;
}

} // namespace tavro
