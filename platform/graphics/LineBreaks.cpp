#include "platform/graphics/LineBreaks.h"

#include <algorithm>

namespace platform {

std::size_t nextLineBreak(const std::u16string& text, std::size_t from)
{
    const auto begin = text.begin() + static_cast<std::ptrdiff_t>(std::min(from, text.size()));
    const auto found = std::find_if(begin, text.end(), [](char16_t unit) {
        return unit == u'\n' || unit == u'\r' || unit == u'\u2028' || unit == u'\u2029';
    });
    return static_cast<std::size_t>(found - text.begin());
}

std::size_t pastLineBreak(const std::u16string& text, std::size_t at)
{
    const bool crlf = text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n';
    return at + (crlf ? 2 : 1);
}

} // namespace platform
