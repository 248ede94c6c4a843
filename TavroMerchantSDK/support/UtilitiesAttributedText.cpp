// The attributed amount labels of Utilities.

#include "TavroMerchantSDK/support/Utilities.h"

#include "platform/foundation/Locale.h"
#include "platform/graphics/UIFont.h"

namespace tavro {

namespace {

using platform::NSAttributedString;
using platform::NSAttributedStringKey;
using platform::NSMutableAttributedString;
using platform::NSRange;
using platform::NSUnderlineStyle;
using platform::UIFont;

NSRange wholeRange(const NSAttributedString& text)
{
    return NSRange{0, text.length()};
}

bool deviceLanguageIsArabic()
{
    return platform::Locale::current().languageCode() == "ar";
}

} // namespace

NSMutableAttributedString Utilities::underLineAttributedString(std::string_view text, platform::CGFloat fontSize)
{
    NSMutableAttributedString label(text);
    label.addAttribute(NSAttributedStringKey::font, UIFont::boldSystemFont(fontSize), wholeRange(label));
    label.addAttribute(NSAttributedStringKey::underlineStyle, NSUnderlineStyle::single, wholeRange(label));
    return label;
}

NSMutableAttributedString Utilities::attributedString(std::string_view string1, std::string_view string2,
                                                      bool isTotalAmount, bool isUnderLine, platform::CGFloat fontSize)
{
    const platform::CGFloat baseSize = fontSize == 0 ? 24 : fontSize;
    const auto firstFont = UIFont::systemFont(isTotalAmount ? 16 : baseSize / 2);
    const auto secondFont = UIFont::systemFont(isTotalAmount ? baseSize : baseSize / 2);

    const bool arabic = deviceLanguageIsArabic();
    // The blank trails the part that comes first and carries that part's font.
    NSMutableAttributedString label(std::string(arabic ? string2 : string1) + " ",
                                    {{NSAttributedStringKey::font, arabic ? secondFont : firstFont}});
    label.append(NSAttributedString(arabic ? string1 : string2,
                                    {{NSAttributedStringKey::font, arabic ? firstFont : secondFont}}));

    if (isUnderLine) {
        label.addAttribute(NSAttributedStringKey::underlineStyle, NSUnderlineStyle::single, wholeRange(label));
        label.addAttribute(NSAttributedStringKey::font, UIFont::boldSystemFont(baseSize / 2), wholeRange(label));
    }
    return label;
}

} // namespace tavro
