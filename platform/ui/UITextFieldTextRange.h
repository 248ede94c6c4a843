#pragma once
// UTF-16 positions in UTF-8 text, as text editing counts them.
#include "platform/foundation/NSRange.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// `range` shrunk to lie within a text of `length` units.
NSRange clampRange(NSRange range, std::size_t length);

// The range (UTF-16 units) of the user-perceived character (extended grapheme cluster) that ends
// at `caret`; empty at position 0.
NSRange characterRangeBefore(std::string_view text, std::size_t caret);

// `range` (clamped) grown to the whole user-perceived characters it touches, as a person's drag
// selects; an empty range inside a character moves to that character's start.
NSRange wholeCharacterRange(std::string_view text, NSRange range);

// `range` (clamped) with neither end inside a surrogate pair: its start moves to the pair's start,
// its end to the pair's end (an empty range to the pair's start).
NSRange wholeSurrogatePairRange(std::string_view text, NSRange range);

// `text` with the UTF-16 units in `range` (which must lie within it) replaced by `replacement`.
std::string replaceUtf16Range(std::string_view text, NSRange range, std::string_view replacement);

} // namespace platform
