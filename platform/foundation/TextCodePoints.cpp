// Counting, indexing and slicing by code point (Unicode scalar value).

#include "platform/foundation/Text.h"
#include "platform/foundation/Utf8Decoding.h"

namespace platform::text {

using detail::asciiPrefixLength;
using detail::decodeUtf8At;

namespace {

struct Position {
    std::size_t byteOffset;
    std::size_t advanced; // code points stepped over
};

// Steps over up to `count` code points from `byteOffset`, stopping at the end of the text.
Position advanceCodePoints(std::string_view text, std::size_t byteOffset, std::size_t count)
{
    std::size_t advanced = 0;
    while (advanced < count && byteOffset < text.size()) {
        const std::size_t ascii = asciiPrefixLength(text.substr(byteOffset));
        if (ascii > 0) {
            const std::size_t step = std::min(ascii, count - advanced);
            byteOffset += step;
            advanced += step;
            continue;
        }
        byteOffset += decodeUtf8At(text, byteOffset).length;
        ++advanced;
    }
    return {byteOffset, advanced};
}

} // namespace

std::size_t codePointCount(std::string_view text)
{
    return advanceCodePoints(text, 0, std::string_view::npos).advanced;
}

std::optional<std::size_t> byteOffsetOfCodePoint(std::string_view text, std::size_t index)
{
    const Position position = advanceCodePoints(text, 0, index);
    if (position.advanced < index) {
        return std::nullopt;
    }
    return position.byteOffset;
}

std::string codePointSlice(std::string_view text, std::size_t start, std::size_t count)
{
    const Position begin = advanceCodePoints(text, 0, start);
    if (begin.advanced < start) {
        return {};
    }
    const Position end = advanceCodePoints(text, begin.byteOffset, count);
    std::string out;
    detail::appendSanitized(out, text.substr(begin.byteOffset, end.byteOffset - begin.byteOffset));
    return out;
}

std::optional<std::string> codePointAt(std::string_view text, std::size_t index)
{
    const Position begin = advanceCodePoints(text, 0, index);
    if (begin.advanced < index || begin.byteOffset >= text.size()) {
        return std::nullopt;
    }
    std::string out;
    detail::appendUtf8(out, decodeUtf8At(text, begin.byteOffset).value);
    return out;
}

} // namespace platform::text
