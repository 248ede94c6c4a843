#include "TavroMerchantSDK/support/base/StringExtensions.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/Regex.h"
#include "platform/foundation/Text.h"

namespace tavro {

namespace text = platform::text;

std::size_t lengthOf(std::string_view value, TextUnit unit)
{
    return unit == TextUnit::codePoints ? text::codePointCount(value) : text::graphemeCount(value);
}

bool isLengthInRange(std::string_view value, long long minimum, long long maxValue, TextUnit unit)
{
    const auto count = static_cast<long long>(lengthOf(value, unit));
    if (count < minimum)
        return false;
    return count <= maxValue;
}

std::optional<std::string> subscript(std::string_view value, long long position, TextUnit unit)
{
    if (position < 0)
        return std::nullopt;
    const auto index = static_cast<std::size_t>(position);
    return unit == TextUnit::codePoints ? text::codePointAt(value, index) : text::graphemeAt(value, index);
}

bool isMatchingRegex(std::string_view pattern, std::string_view value)
{
    const auto expression = platform::Regex::compile(pattern);
    if (!expression) {
        platform::debugLog("Invalid regular expression pattern: " + std::string(pattern));
        return false;
    }
    return expression->findsMatch(value);
}

bool isEqualTo(std::string_view value, std::string_view other)
{
    if (text::isAscii(value) && text::isAscii(other)) {
        return text::equalsIgnoringAsciiCase(value, other);
    }
    return text::canonicallyEqual(text::toLower(value), text::toLower(other));
}

std::string creditCardFormat(std::string_view value)
{
    const std::size_t count = text::graphemeCount(value);
    std::string result;
    result.reserve(value.size() + value.size() / 4);
    for (std::size_t position = 0; position < count; position += 4) {
        result += text::graphemeSlice(value, position, 4);
        if (position + 4 < count)
            result += ' ';
    }
    return result;
}

platform::NSMutableAttributedString attributedStringWithSpacing(std::string_view value, long long spacing)
{
    platform::NSMutableAttributedString result(value);
    result.addAttribute(platform::NSAttributedStringKey::kern, static_cast<std::int64_t>(spacing),
                        platform::NSRange{0, result.length()});
    return result;
}

} // namespace tavro
