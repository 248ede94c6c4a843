#pragma once
// The size of a long text wrapped at a width with no line or height limit. Pango adds up line heights
// in int Pango units, which overflow past about two million points (some 150,000 lines at 13 points).
// Such a text is measured in pieces cut at line breaks instead, their heights added up in double.
// Internal to platform/graphics.
#include "platform/foundation/NSAttributedString.h"
#include "platform/graphics/CGSize.h"
#include "platform/graphics/LabelText.h"

#include <optional>

namespace platform {

// The widest line and the height of all lines of a text longer than kLongestUnwrappedPiece wrapped at
// `width` points (positive and finite); none for a shorter text.
std::optional<CGSize> unlimitedTextSize(const NSAttributedString& text, const LabelTextStyle& style, CGFloat width);

} // namespace platform
