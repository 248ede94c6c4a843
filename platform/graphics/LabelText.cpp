#include "platform/graphics/LabelText.h"

#include "platform/graphics/AttributedTextLayout.h"
#include "platform/graphics/LineBreaks.h"
#include "platform/graphics/ShownText.h"
#include "platform/graphics/UnlimitedTextSize.h"
#include "platform/graphics/UnwrappedTextSize.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace platform {

namespace {

PangoEllipsizeMode ellipsizeMode(NSLineBreakMode mode)
{
    switch (mode) {
    case NSLineBreakMode::byTruncatingHead: return PANGO_ELLIPSIZE_START;
    case NSLineBreakMode::byTruncatingMiddle: return PANGO_ELLIPSIZE_MIDDLE;
    case NSLineBreakMode::byTruncatingTail: return PANGO_ELLIPSIZE_END;
    default: return PANGO_ELLIPSIZE_NONE;
    }
}

// Which ends of a one-line text show when it is truncated.
ShownEnds shownEnds(NSLineBreakMode mode)
{
    switch (mode) {
    case NSLineBreakMode::byTruncatingHead: return ShownEnds::end;
    case NSLineBreakMode::byTruncatingMiddle: return ShownEnds::both;
    default: return ShownEnds::start;
    }
}

// The size of text without glyphs: no width, one line of the style font's height per paragraph.
CGSize glyphlessSize(const NSAttributedString& text, const LabelTextStyle& style, CGFloat maxHeight)
{
    const double scale = style.fontScale > 0 && std::isfinite(style.fontScale) ? style.fontScale : 1;
    const CGFloat lineHeight = effectiveFont(style).lineHeight() * scale;
    const std::u16string& units = text.utf16();
    int lines = 1;
    for (std::size_t at = nextLineBreak(units, 0); at < units.size();
         at = nextLineBreak(units, pastLineBreak(units, at))) {
        ++lines;
    }
    if (style.maximumLines > 0) {
        lines = std::min(lines, style.maximumLines);
    }
    if (std::isfinite(maxHeight) && lineHeight > 0) {
        lines = std::min(lines, std::max(1, static_cast<int>(std::floor((maxHeight + 0.5) / lineHeight))));
    }
    return {0, lines * lineHeight};
}

// Whether the layout's text fits `width` on one line. Pango wraps and ellipsizes before it trims
// the letter spacing at a line's end, so a kerned line exactly as wide as measured would lose its
// last letters; a line that fits is left without a layout width (true), else the width stays.
bool naturalWidthFits(PangoLayout* layout, CGFloat width)
{
    const int limit = pango_layout_get_width(layout);
    pango_layout_set_width(layout, -1);
    PangoRectangle natural;
    pango_layout_get_extents(layout, nullptr, &natural);
    if (pango_layout_get_line_count(layout) == 1 && natural.width <= std::ceil(width * PANGO_SCALE)) {
        return true;
    }
    pango_layout_set_width(layout, limit);
    return false;
}

} // namespace

const UIFont& effectiveFont(const LabelTextStyle& style)
{
    static const UIFontPtr fallback = UIFont::systemFont(17);
    return style.font ? *style.font : *fallback;
}

CGSize measureLabelText(const NSAttributedString& text, const LabelTextStyle& style, CGFloat maxWidth,
                        CGFloat maxHeight)
{
    if (text.length() == 0) {
        return {0, 0};
    }
    if (!textLayoutHasFont()) {
        return glyphlessSize(text, style, maxHeight);
    }
    const bool wraps = maxWidth > 0 && std::isfinite(maxWidth);
    if (!wraps) {
        if (auto size = unwrappedTextSize(text, style, style.maximumLines, maxHeight)) {
            return *size;
        }
    } else if (style.maximumLines <= 0 && !std::isfinite(maxHeight)) {
        if (auto size = unlimitedTextSize(text, style, maxWidth)) {
            return *size;
        }
    }
    ShownText shown = shownText(text, style, maxWidth, style.maximumLines, maxHeight, ShownEnds::start);
    PangoLayoutPtr layout =
        shown.layout ? std::move(shown.layout) : makeAttributedTextLayout(nullptr, text, style, maxWidth);
    int lines = style.maximumLines;
    if (std::isfinite(maxHeight)) {
        const int fitting = linesFitting(layout.get(), maxHeight);
        lines = lines > 0 ? std::min(lines, fitting) : fitting;
    }
    LineExtent extent = lineExtent(layout.get(), lines);
    const CGFloat width = static_cast<CGFloat>(extent.widest) / PANGO_SCALE;
    return {wraps ? width : std::min(width, kWidestUnwrappedLine), static_cast<CGFloat>(extent.bottom) / PANGO_SCALE};
}

CGFloat singleLineTextWidth(const NSAttributedString& text, const LabelTextStyle& style)
{
    LabelTextStyle oneLine = style;
    oneLine.maximumLines = 1;
    return measureLabelText(text, oneLine, 0).width;
}

void drawLabelText(CGContext& context, const NSAttributedString& text, const CGRect& rect, const LabelTextStyle& style)
{
    if (text.length() == 0 || rect.width() <= 0 || rect.height() <= 0 || !textLayoutHasFont()) {
        return;
    }
    cairo_t* cr = context.cairo();
    bool multiLine = style.maximumLines != 1;
    bool wraps = multiLine || wrapsLines(style.lineBreakMode);
    bool clipsSingleLine = !multiLine && style.lineBreakMode == NSLineBreakMode::byClipping;
    // Only the part of a long text that can show is laid out, the part measuring takes.
    const CGFloat unlimited = std::numeric_limits<CGFloat>::infinity();
    ShownText shownPart = multiLine ? shownText(text, style, rect.width(), style.maximumLines, rect.height(),
                                                ShownEnds::start)
                                    : shownText(text, style, rect.width(), 1, unlimited, shownEnds(style.lineBreakMode));
    const bool cut = shownPart.part.has_value();
    auto layout = makeAttributedTextLayout(cr, cut ? *shownPart.part : text, style, clipsSingleLine ? 0 : rect.width());
    PangoLayout* pango = layout.get();

    int shown = 1;
    bool truncates = ellipsizeMode(style.lineBreakMode) != PANGO_ELLIPSIZE_NONE;
    if (!clipsSingleLine && naturalWidthFits(pango, rect.width())) {
        // One line that fits is drawn whole, placed below as lines without a width are.
    } else {
        if (multiLine) {
            shown = linesFitting(pango, rect.height());
            if (style.maximumLines > 0) {
                shown = std::min(shown, style.maximumLines);
            }
        }
        if (truncates && pango_layout_get_line_count(pango) > shown) {
            // Pango ellipsizes the last line kept by a negative height; one line takes the mode as is,
            // except the one line of a cut multi-line text, which kept only the text's start.
            const bool asIs = shown == 1 && !(multiLine && cut);
            pango_layout_set_ellipsize(pango, asIs ? ellipsizeMode(style.lineBreakMode) : PANGO_ELLIPSIZE_END);
            pango_layout_set_height(pango, -shown);
        } else if (truncates && !wraps) {
            pango_layout_set_ellipsize(pango, ellipsizeMode(style.lineBreakMode));
            pango_layout_set_height(pango, -1);
        }
    }
    LineExtent extent = lineExtent(pango, shown);
    CGFloat textWidth = static_cast<CGFloat>(extent.widest) / PANGO_SCALE;
    CGFloat textHeight = static_cast<CGFloat>(extent.bottom) / PANGO_SCALE;

    CGFloat x = rect.minX();
    if (pango_layout_get_width(pango) < 0) {
        // Without a layout width Pango does not align; place the single line ourselves. Natural
        // (and justified, on one line) is the leading edge: the right one for right-to-left text.
        PangoLayoutLine* first = pango_layout_get_line_readonly(pango, 0);
        const bool rightToLeft = first && first->resolved_dir == PANGO_DIRECTION_RTL;
        const bool leading =
            style.alignment == NSTextAlignment::natural || style.alignment == NSTextAlignment::justified;
        if (style.alignment == NSTextAlignment::center) {
            x += (rect.width() - textWidth) / 2;
        } else if (style.alignment == NSTextAlignment::right || (leading && rightToLeft)) {
            x += rect.width() - textWidth;
        }
    }
    CGFloat y = rect.minY() + (rect.height() - textHeight) / 2;

    cairo_save(cr);
    if (clipsSingleLine) {
        cairo_rectangle(cr, rect.minX(), y, rect.width(), textHeight);
    } else {
        // Only the lines shown; glyphs may reach sideways past the rectangle, as labels allow.
        cairo_rectangle(cr, rect.minX() - rect.width(), y, rect.width() * 3, textHeight);
    }
    cairo_clip(cr);
    auto color = style.color ? style.color : UIColor::black();
    color->setAsSource(cr, context.alpha());
    cairo_move_to(cr, x, y);
    pango_cairo_update_layout(cr, pango);
    pango_cairo_show_layout(cr, pango);
    cairo_restore(cr);
}

} // namespace platform
