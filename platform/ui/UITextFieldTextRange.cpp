#include "platform/ui/UITextFieldTextRange.h"

#include "platform/foundation/Text.h"

#include <algorithm>
#include <iterator>
#include <vector>

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

NSRange wholeCharacterRange(std::string_view text, NSRange range)
{
    const std::vector<std::size_t> boundaries = text::graphemeBoundariesUtf16(text);
    range = clampRange(range, boundaries.back());
    // The last boundary at or before the start, the first at or after the end.
    const std::size_t start = *std::prev(std::upper_bound(boundaries.begin(), boundaries.end(), range.location));
    if (range.length == 0) {
        return {start, 0};
    }
    const std::size_t end = *std::lower_bound(boundaries.begin(), boundaries.end(), range.end());
    return {start, end - start};
}

NSRange wholeSurrogatePairRange(std::string_view text, NSRange range)
{
    const std::u16string units = text::toUtf16(text);
    range = clampRange(range, units.size());
    // toUtf16 writes well-formed UTF-16: a low surrogate always ends a pair.
    auto insidePair = [&units](std::size_t at) { return at < units.size() && (units[at] & 0xFC00) == 0xDC00; };
    const std::size_t start = range.location - (insidePair(range.location) ? 1 : 0);
    if (range.length == 0) {
        return {start, 0};
    }
    const std::size_t end = range.end() + (insidePair(range.end()) ? 1 : 0);
    return {start, end - start};
}

std::string replaceUtf16Range(std::string_view text, NSRange range, std::string_view replacement)
{
    std::u16string units = text::toUtf16(text);
    range = clampRange(range, units.size());
    units.replace(range.location, range.length, text::toUtf16(replacement));
    return text::fromUtf16(units);
}

} // namespace platform
