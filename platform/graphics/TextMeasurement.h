#pragma once
// Measurement of attributed text in a box, with the same text layout the labels, buttons and text
// fields draw with (LabelText.h), so a measured text is exactly as big as it is drawn.
#include "platform/foundation/NSAttributedString.h"

namespace platform {

// The size `text` takes in `box` with NSStringDrawingOptions `options`:
// - with NSStringDrawingUsesLineFragmentOrigin the text wraps at box.width (word wrap; a word wider
//   than the box breaks inside); without it the text is laid out as one line per line break;
// - runs without a font attribute use the system font of 12 points;
// - the box's height does not cut lines off (the full height is returned);
// - widths and heights are the typographic (logical) extents, unrounded; empty text is 0 x 0.
TextSize measureAttributedText(const NSAttributedString& text, TextSize box, unsigned options);

} // namespace platform
