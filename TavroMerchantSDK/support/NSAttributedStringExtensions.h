#pragma once
// Measuring attributed text the way it is drawn. Main thread.

#include "platform/foundation/NSAttributedString.h"
#include "platform/graphics/CGFloat.h"

namespace tavro {

// The platform's bounding size of `text` in `box` with NSStringDrawingOptions `options`. While
// the platform has no measurer installed, the text is measured directly with the settings labels
// draw with (runs without a font in the system font of 12 points), so results never depend on
// whether a renderer ran first.
platform::TextSize measureBoundingSize(const platform::NSAttributedString& text, platform::TextSize box,
                                       unsigned options);

// The width the text needs when laid out in a box 10000 points wide and `height` high, measured
// with line-fragment origin, font leading and device metrics; not rounded.
platform::CGFloat requiredWidth(const platform::NSAttributedString& text, platform::CGFloat height);

} // namespace tavro
