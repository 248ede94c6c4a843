#pragma once
// Internal helpers of the foundation layer: moving text between UTF-8 std::string and ICU strings.

#include "platform/foundation/Utf8Decoding.h"

#include <unicode/unistr.h>

#include <climits>
#include <optional>
#include <string>
#include <string_view>

namespace platform::text::detail {

// `text` as an ICU string, each ill-formed UTF-8 subsequence read as U+FFFD; nullopt when the
// text is too long for ICU (more than INT32_MAX UTF-16 units).
inline std::optional<icu::UnicodeString> toIcuString(std::string_view text)
{
    std::u16string units;
    decodeToUtf16(text, units);
    if (units.size() > static_cast<std::size_t>(INT32_MAX)) {
        return std::nullopt;
    }
    return icu::UnicodeString(units.data(), static_cast<int32_t>(units.size()));
}

// ICU text as UTF-8.
inline std::string toUtf8(const icu::UnicodeString& text)
{
    std::string out;
    text.toUTF8String(out);
    return out;
}

} // namespace platform::text::detail
