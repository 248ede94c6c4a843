#pragma once
// Character tests shared by the validator's rules. Lengths count Unicode scalar values.

#include "platform/foundation/Text.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace tavro::validator_text {

// Code-point count; the byte count of ASCII text, which is nearly every field.
inline std::size_t codePointCount(std::string_view text)
{
    return platform::text::isAscii(text) ? text.size() : platform::text::codePointCount(text);
}

// minimum <= code-point count <= maximum. Inline: every field asks it, and nearly every field is
// ASCII.
inline bool lengthInRange(std::string_view text, long long minimum, long long maximum)
{
    const auto count = static_cast<long long>(codePointCount(text));
    return count >= minimum && count <= maximum;
}
// Some scalar is a letter or mark (general categories L and M).
bool containsLetter(std::string_view text);
// Some scalar is neither a decimal digit (Nd, any script) nor the period.
bool containsOtherThanDigitsAndPeriod(std::string_view text);
// The value of an ASCII decimal text with at most one period (".5" and "5." read); nullopt for
// anything else, the empty text and a lone period included.
std::optional<double> plainDecimalValue(std::string_view text);
// The value test of amounts: no letter, nothing but digits and the period, a
// readable decimal above zero.
bool isPositiveAmount(std::string_view text);

} // namespace tavro::validator_text
