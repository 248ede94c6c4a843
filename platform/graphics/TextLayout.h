#pragma once
// The one place where Pango is set up for this toolkit: measuring and drawing both go through here, so
// text is measured with exactly the settings it is drawn with (hinting off, unrounded glyph positions,
// 72 dpi so that one Pango device unit is one point).

#include "platform/graphics/CGSize.h"
#include "platform/graphics/DrawingLibraryTypes.h"
#include "platform/graphics/UIFont.h"

#include <memory>
#include <string_view>

namespace platform {

struct GObjectUnref {
    void operator()(void* object) const;
};
using PangoLayoutPtr = std::unique_ptr<PangoLayout, GObjectUnref>;

// Applies the toolkit's text settings to a Pango context (for contexts made elsewhere).
void configureTextContext(PangoContext* context);

// A new layout for drawing into `cr`, configured like the measuring layouts. Before showing it after
// the cairo transform changed, call pango_cairo_update_layout(cr, layout).
PangoLayoutPtr createTextLayout(cairo_t* cr);

// A new layout on the shared measuring context (a 1 x 1 scratch surface made once and kept).
PangoLayoutPtr createMeasuringLayout();

// Whether text layout can load a font at all. Without one (no fonts installed, or the font folder
// unreadable) Pango's line metrics are undefined, so text has no glyphs: it measures as empty lines of
// the font's nominal height and draws nothing. The first call that finds no font logs one debug line.
bool textLayoutHasFont();

// The size the text occupies in `font`, wrapped at `maxWidth` points (word wrap, breaking inside a word
// only when the word alone is wider; pass a non-positive or infinite width for no wrapping) and cut
// after `maxLines` lines (0 for no limit). Empty text measures 0 x 0. Sizes are not rounded. The
// same layout as a label's (graphics/LabelText.h) with no attributes.
CGSize measureText(std::string_view text, const UIFont& font, CGFloat maxWidth = 0, int maxLines = 0);

} // namespace platform
