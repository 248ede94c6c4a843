#pragma once
// Measuring and drawing the attributed text of labels, button titles and text fields. Runs carry
// font, colour, background, kern and underline; runs without a font or colour take the style's.
// Measuring and drawing lay text out the same way, so a measured text is exactly as big as it is drawn.
// Without a usable font (graphics/TextLayout.h) text has no glyphs: no width, one line of the font's
// nominal height per paragraph, nothing drawn.
#include "platform/foundation/NSAttributedString.h"
#include "platform/graphics/CGContext.h"
#include "platform/graphics/CGRect.h"
#include "platform/graphics/NSTextAlignment.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIFont.h"

#include <limits>

namespace platform {

struct LabelTextStyle {
    UIFontPtr font;       // runs without a font attribute; null: the system font of 17
    UIColorPtr color;     // runs without a colour attribute; null: black
    double fontScale = 1; // multiplies every font size (shrinking to fit); > 0
    NSTextAlignment alignment = NSTextAlignment::left;
    NSLineBreakMode lineBreakMode = NSLineBreakMode::byTruncatingTail;
    int maximumLines = 1; // 0: no limit
};

// The size of the text wrapped at `maxWidth` (<= 0 or not finite: no wrapping), cut after
// style.maximumLines lines and after the lines that fit `maxHeight` (at least one). Empty text measures
// 0 x 0. Not rounded. With lines limited, only the part of the text they can show is laid out. Without
// wrapping a line measures at most 100,000 points wide.
CGSize measureLabelText(const NSAttributedString& text, const LabelTextStyle& style, CGFloat maxWidth,
                        CGFloat maxHeight = std::numeric_limits<CGFloat>::infinity());

// The width of the text on one line (no wrapping), at style.fontScale.
CGFloat singleLineTextWidth(const NSAttributedString& text, const LabelTextStyle& style);

// Draws the text into `rect` as a label does: centred vertically, aligned horizontally, wrapped
// when it may take several lines, limited to style.maximumLines and to the lines that fit the
// rectangle's height (at least one), the last shown line truncated per the line-break mode.
void drawLabelText(CGContext& context, const NSAttributedString& text, const CGRect& rect, const LabelTextStyle& style);

// The style's font, or the default (system 17) when it has none.
const UIFont& effectiveFont(const LabelTextStyle& style);

} // namespace platform
