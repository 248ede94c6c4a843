#pragma once
// Break opportunities inside long unbreakable runs. Pango wraps a run with no break opportunity (one
// "word" of thousands of letters) at a cost that grows with the square of its length. Such a run may
// break between grapheme clusters anyway, as a word longer than a line does, and like it without a
// hyphen: after its first kLongestUnbreakableRun clusters, a zero-width space goes between every two
// clusters, so the run fills each line up to its end and lays out in linear time. Internal to
// platform/graphics.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace platform {

inline constexpr std::size_t kLongestUnbreakableRun = 256;

// Byte range [first, second) of a text.
using ByteRange = std::pair<std::size_t, std::size_t>;

// Inserts the zero-width spaces into the UTF-8 `text` and returns the byte ranges of the long runs in
// the new text (they are to break without hyphens). Each of `offsets` (byte offsets into the text,
// ascending) moves past the spaces inserted at or before it, so a run of attributes that starts at a
// cluster keeps starting at it.
std::vector<ByteRange> insertBreaksInLongRuns(std::string& text, std::vector<std::size_t>& offsets);

} // namespace platform
