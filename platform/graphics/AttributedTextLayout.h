#pragma once
// Pango layouts of attributed text, shared by the graphics module's text drawing and measuring.
// Attributed runs become Pango attributes (font, colour, background, kern, underline); runs without a
// font or colour take the style's. Internal to platform/graphics.
#include "platform/foundation/NSAttributedString.h"
#include "platform/graphics/LabelText.h"
#include "platform/graphics/TextLayout.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace platform {

// A Pango layout of an attributed text, on `cr` (drawing) or on the shared measuring context (cr
// null). `wrapWidth` > 0 wraps lines at that many points (by word, or by character for
// byCharWrapping); otherwise lines break only at line breaks. Left and right alignment stay left and
// right for right-to-left text. Wrapped by word, a long run without a break opportunity may break
// between clusters (graphics/LongRunBreaks.h). `utf16ToByte`, when given, receives the UTF-8 byte
// offset in the layout's text of every UTF-16 position of the text (length + 1 entries).
PangoLayoutPtr makeAttributedTextLayout(cairo_t* cr, const NSAttributedString& text, const LabelTextStyle& style,
                                        CGFloat wrapWidth, std::vector<std::size_t>* utf16ToByte = nullptr);

// One laid-out line, in Pango units: its logical width and the top and bottom of its band.
struct LineBox {
    int width = 0;
    int top = 0;
    int bottom = 0;
};

// Calls `visit` with each line of `layout` from the first, until it returns false or the lines end.
void forEachLine(PangoLayout* layout, const std::function<bool(const LineBox&)>& visit);

struct LineExtent {
    int widest = 0; // Pango units
    int bottom = 0; // Pango units, bottom of the last counted line
    int count = 0;
};

// Widest line and bottom of the first `maxLines` lines (0: all).
LineExtent lineExtent(PangoLayout* layout, int maxLines);

// How many lines fit into `height` points (at least one; all of them for an infinite height).
int linesFitting(PangoLayout* layout, CGFloat height);

} // namespace platform
