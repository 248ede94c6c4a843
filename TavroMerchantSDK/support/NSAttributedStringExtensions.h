#pragma once
// Measuring attributed text the way it is drawn. Main thread.

#include "platform/foundation/NSAttributedString.h"
#include "platform/graphics/CGFloat.h"

namespace tavro {

// The bounding size of `text` in `box` with NSStringDrawingOptions `options`, measured as labels
// draw it (runs without a font in the system font of 12 points); see platform::measureAttributedText.
platform::TextSize measureBoundingSize(const platform::NSAttributedString& text, platform::TextSize box,
                                       unsigned options);

// The width the text needs when laid out in a box 10000 points wide and `height` high, measured
// with line-fragment origin, font leading and device metrics; not rounded.
platform::CGFloat requiredWidth(const platform::NSAttributedString& text, platform::CGFloat height);

} // namespace tavro
