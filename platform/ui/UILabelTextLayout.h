#pragma once
// Text of labels, button titles and text fields on Pango. Attributed runs become Pango attributes
// (font, colour, background, kern, underline); runs without a font or colour take the style's.
// Measuring and drawing build their layouts the same way (graphics/TextLayout.h settings), so a
// measured text is exactly as big as it is drawn.
#include "platform/foundation/NSAttributedString.h"
#include "platform/graphics/CGContext.h"
#include "platform/graphics/CGRect.h"
#include "platform/graphics/TextLayout.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/NSTextAlignment.h"

#include <cstddef>
#include <vector>

namespace platform {

struct LabelTextStyle {
    UIFontPtr font;      // runs without a font attribute; null: the system font of 17
    UIColorPtr color;    // runs without a colour attribute; null: black
    double fontScale = 1;  // multiplies every font size (shrinking to fit); > 0
    NSTextAlignment alignment = NSTextAlignment::left;
    NSLineBreakMode lineBreakMode = NSLineBreakMode::byTruncatingTail;
    int maximumLines = 1;  // 0: no limit
};

// A Pango layout of an attributed text, on `cr` (drawing) or on the shared measuring context (cr
// null). `wrapWidth` > 0 wraps lines at that many points (by word, or by character for
// byCharWrapping); otherwise lines break only at line breaks. `utf16ToByte`, when given, receives the
// UTF-8 byte offset of every UTF-16 position of the text (length + 1 entries).
PangoLayoutPtr makeLabelTextLayout(cairo_t* cr, const NSAttributedString& text, const LabelTextStyle& style,
                                   CGFloat wrapWidth, std::vector<std::size_t>* utf16ToByte = nullptr);

// The size of the text wrapped at `maxWidth` (<= 0 or not finite: no wrapping), cut after
// style.maximumLines lines. Empty text measures 0 x 0. Not rounded.
CGSize measureLabelText(const NSAttributedString& text, const LabelTextStyle& style, CGFloat maxWidth);

// The width of the text on one line (no wrapping), at style.fontScale.
CGFloat singleLineTextWidth(const NSAttributedString& text, const LabelTextStyle& style);

// Draws the text into `rect` as a label does: centred vertically, aligned horizontally, wrapped
// when it may take several lines, limited to style.maximumLines and to the lines that fit the
// rectangle's height (at least one), the last shown line truncated per the line-break mode.
void drawLabelText(CGContext& context, const NSAttributedString& text, const CGRect& rect, const LabelTextStyle& style);

// The style's font, or the default (system 17) when it has none.
const UIFont& effectiveFont(const LabelTextStyle& style);

} // namespace platform
