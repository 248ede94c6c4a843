#pragma once
// Stateless helpers on text (UTF-8 std::string) shared by the payload validator, the request
// checks and the UI.

#include "platform/foundation/NSMutableAttributedString.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavro {

// How a length or position is counted. User-facing text (field limits, card grouping) counts
// user-perceived characters; payload values count Unicode scalar values, as wallets do.
enum class TextUnit {
    characters, // extended grapheme clusters
    codePoints, // Unicode scalar values
};

// Number of units of `text` in the given unit.
std::size_t lengthOf(std::string_view text, TextUnit unit = TextUnit::characters);

// True when minimum <= length <= maxValue, both inclusive. The bounds are not compared with each
// other: a minimum above maxValue makes every text fail.
bool isLengthInRange(std::string_view text, long long minimum, long long maxValue,
                     TextUnit unit = TextUnit::characters);

// The one-unit text at a 0-based position; nullopt when the position is negative or not below
// the length.
std::optional<std::string> subscript(std::string_view text, long long position, TextUnit unit = TextUnit::characters);

// True when the ICU pattern matches somewhere in `text` (anchoring is the pattern's business).
// A pattern that does not compile writes one debug-log line and gives false.
bool isMatchingRegex(std::string_view pattern, std::string_view text);

// True when both texts are canonically equal after full Unicode lower-casing (not case folding:
// "ß" and "SS" differ).
bool isEqualTo(std::string_view text, std::string_view other);

// The text in groups of four characters separated by one blank ("1234 5678 90"). Nothing is
// removed or treated specially.
std::string creditCardFormat(std::string_view text);

// A new attributed text holding `text` with the kerning attribute (the spacing as an integer)
// over its whole UTF-16 length.
platform::NSMutableAttributedString attributedStringWithSpacing(std::string_view text, long long spacing);

} // namespace tavro
