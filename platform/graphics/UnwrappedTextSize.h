#pragma once
// The size of a long text laid out without wrapping. Pango adds up a line's width in int Pango units,
// which overflow past about two million points (some 300,000 letters at 13 points), so such a line
// would measure as a small or negative width. A long text is measured in pieces cut between clusters
// instead; the last line of each piece goes on in the first line of the next. Only the lines a label
// shows are measured, and a line only up to kWidestUnwrappedLine: past that its text is skipped.
// Internal to platform/graphics.
#include "platform/foundation/NSAttributedString.h"
#include "platform/graphics/CGSize.h"
#include "platform/graphics/LabelText.h"

#include <cstddef>
#include <optional>

namespace platform {

// Texts up to this many UTF-16 units are laid out whole; that many glyphs of fonts up to about 100
// points stay within the range.
inline constexpr std::size_t kLongestUnwrappedPiece = 8192;

// A line without wrapping measures at most this many points wide.
inline constexpr CGFloat kWidestUnwrappedLine = 100'000;

// The widest line (at most kWidestUnwrappedLine) and the bottom of the lines kept (at most `maxLines`,
// 0: all, and those that fit `maxHeight`, at least one) of a text longer than kLongestUnwrappedPiece;
// none for a shorter text.
std::optional<CGSize> unwrappedTextSize(const NSAttributedString& text, const LabelTextStyle& style, int maxLines,
                                        CGFloat maxHeight);

} // namespace platform
