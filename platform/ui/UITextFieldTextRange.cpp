#include "platform/ui/UITextFieldTextRange.h"

#include "platform/foundation/Text.h"

#include <algorithm>

namespace platform {

NSRange clampRange(NSRange range, std::size_t length)
{
    std::size_t location = std::min(range.location, length);
    return {location, std::min(range.length, length - location)};
}

NSRange characterRangeBefore(std::string_view text, std::size_t caret)
{
    std::u16string units = text::toUtf16(text);
    caret = std::min(caret, units.size());
    if (caret == 0) {
        return {0, 0};
    }
    std::string prefix = text::fromUtf16(std::u16string_view(units).substr(0, caret));
    std::size_t clusters = text::graphemeCount(prefix);
    auto last = text::graphemeAt(prefix, clusters - 1);
    std::size_t length = last ? std::max<std::size_t>(1, text::utf16Length(*last)) : 1;
    length = std::min(length, caret);
    return {caret - length, length};
}

std::string replaceUtf16Range(std::string_view text, NSRange range, std::string_view replacement)
{
    std::u16string units = text::toUtf16(text);
    range = clampRange(range, units.size());
    units.replace(range.location, range.length, text::toUtf16(replacement));
    return text::fromUtf16(units);
}

} // namespace platform
