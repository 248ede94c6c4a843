#include "platform/ui/UILabelTextLayout.h"

#include "platform/foundation/AttributedStringAttributes.h"
#include "platform/foundation/Text.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace platform {

namespace {

struct DescriptionFree {
    void operator()(PangoFontDescription* description) const { pango_font_description_free(description); }
};
using DescriptionPtr = std::unique_ptr<PangoFontDescription, DescriptionFree>;

DescriptionPtr scaledDescription(const UIFont& font, double scale)
{
    DescriptionPtr description(pango_font_description_copy(font.pangoDescription()));
    if (scale != 1) {
        pango_font_description_set_absolute_size(description.get(), font.pointSize() * scale * PANGO_SCALE);
    }
    return description;
}

guint16 channel(double component)
{
    return static_cast<guint16>(std::lround(std::clamp(component, 0.0, 1.0) * 65535));
}

// UTF-16 to UTF-8 with the byte offset of every UTF-16 position; an unpaired surrogate becomes
// U+FFFD. The second unit of a pair maps to the start of its character.
std::string toUtf8WithOffsets(const std::u16string& text, std::vector<std::size_t>& offsets)
{
    std::string out;
    out.reserve(text.size());
    offsets.assign(text.size() + 1, 0);
    std::size_t i = 0;
    while (i < text.size()) {
        offsets[i] = out.size();
        char32_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            char32_t c = 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            offsets[i + 1] = out.size();
            platform::text::appendUtf8(out, c);
            i += 2;
            continue;
        }
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            unit = 0xFFFD;
        }
        platform::text::appendUtf8(out, unit);
        ++i;
    }
    offsets[text.size()] = out.size();
    return out;
}

void addRunAttributes(PangoAttrList* list, const TextAttributes& attributes, guint start, guint end, double fontScale)
{
    auto insert = [&](PangoAttribute* attribute) {
        attribute->start_index = start;
        attribute->end_index = end;
        pango_attr_list_insert(list, attribute);
    };
    using Key = NSAttributedStringKey;
    if (auto found = attributes.find(Key::font); found != attributes.end()) {
        if (auto font = found->second.asFont()) {
            insert(pango_attr_font_desc_new(scaledDescription(*font, fontScale).get()));
        }
    }
    if (auto found = attributes.find(Key::foregroundColor); found != attributes.end()) {
        if (auto color = found->second.asColor()) {
            insert(pango_attr_foreground_new(channel(color->redComponent()), channel(color->greenComponent()),
                                             channel(color->blueComponent())));
            insert(pango_attr_foreground_alpha_new(std::max<guint16>(1, channel(color->alphaComponent()))));
        }
    }
    if (auto found = attributes.find(Key::backgroundColor); found != attributes.end()) {
        if (auto color = found->second.asColor()) {
            insert(pango_attr_background_new(channel(color->redComponent()), channel(color->greenComponent()),
                                             channel(color->blueComponent())));
            insert(pango_attr_background_alpha_new(std::max<guint16>(1, channel(color->alphaComponent()))));
        }
    }
    if (auto found = attributes.find(Key::kern); found != attributes.end()) {
        if (auto kern = found->second.asNumber()) {
            insert(pango_attr_letter_spacing_new(static_cast<int>(std::lround(*kern * fontScale * PANGO_SCALE))));
        }
    }
    if (auto found = attributes.find(Key::underlineStyle); found != attributes.end()) {
        auto style = found->second.asInteger().value_or(0);
        if (style != 0) {
            PangoUnderline underline = style == static_cast<std::int64_t>(NSUnderlineStyle::double_) ? PANGO_UNDERLINE_DOUBLE
                                                                                                   : PANGO_UNDERLINE_SINGLE;
            insert(pango_attr_underline_new(underline));
        }
    }
}

PangoAlignment pangoAlignment(NSTextAlignment alignment)
{
    switch (alignment) {
    case NSTextAlignment::center: return PANGO_ALIGN_CENTER;
    case NSTextAlignment::right: return PANGO_ALIGN_RIGHT;
    default: return PANGO_ALIGN_LEFT;
    }
}

PangoEllipsizeMode ellipsizeMode(NSLineBreakMode mode)
{
    switch (mode) {
    case NSLineBreakMode::byTruncatingHead: return PANGO_ELLIPSIZE_START;
    case NSLineBreakMode::byTruncatingMiddle: return PANGO_ELLIPSIZE_MIDDLE;
    case NSLineBreakMode::byTruncatingTail: return PANGO_ELLIPSIZE_END;
    default: return PANGO_ELLIPSIZE_NONE;
    }
}

struct LineExtent {
    int widest = 0;   // Pango units
    int bottom = 0;   // Pango units, bottom of the last counted line
    int count = 0;
};

// Widest line and bottom of the first `maxLines` lines (0: all).
LineExtent lineExtent(PangoLayout* layout, int maxLines)
{
    LineExtent extent;
    PangoLayoutIter* iter = pango_layout_get_iter(layout);
    do {
        PangoRectangle logical;
        pango_layout_iter_get_line_extents(iter, nullptr, &logical);
        int top = 0;
        pango_layout_iter_get_line_yrange(iter, &top, &extent.bottom);
        extent.widest = std::max(extent.widest, logical.width);
        ++extent.count;
    } while ((maxLines <= 0 || extent.count < maxLines) && pango_layout_iter_next_line(iter));
    pango_layout_iter_free(iter);
    return extent;
}

// How many lines fit into `height` points (at least one).
int linesFitting(PangoLayout* layout, CGFloat height)
{
    int fitting = 0;
    PangoLayoutIter* iter = pango_layout_get_iter(layout);
    do {
        int top = 0;
        int bottom = 0;
        pango_layout_iter_get_line_yrange(iter, &top, &bottom);
        if (static_cast<CGFloat>(bottom) / PANGO_SCALE > height + 0.5) {
            break;
        }
        ++fitting;
    } while (pango_layout_iter_next_line(iter));
    pango_layout_iter_free(iter);
    return std::max(1, fitting);
}

} // namespace

const UIFont& effectiveFont(const LabelTextStyle& style)
{
    static const UIFontPtr fallback = UIFont::systemFont(17);
    return style.font ? *style.font : *fallback;
}

PangoLayoutPtr makeLabelTextLayout(cairo_t* cr, const NSAttributedString& text, const LabelTextStyle& style,
                                   CGFloat wrapWidth, std::vector<std::size_t>* utf16ToByte)
{
    PangoLayoutPtr layout = cr ? createTextLayout(cr) : createMeasuringLayout();
    double scale = style.fontScale > 0 && std::isfinite(style.fontScale) ? style.fontScale : 1;
    pango_layout_set_font_description(layout.get(), scaledDescription(effectiveFont(style), scale).get());

    std::vector<std::size_t> offsets;
    std::string utf8 = toUtf8WithOffsets(text.utf16(), offsets);
    PangoAttrList* list = pango_attr_list_new();
    for (const auto& run : text.runs()) {
        if (run.attributes.empty() || run.range.length == 0) {
            continue;
        }
        addRunAttributes(list, run.attributes, static_cast<guint>(offsets[run.range.location]),
                         static_cast<guint>(offsets[run.range.end()]), scale);
    }
    pango_layout_set_text(layout.get(), utf8.data(), static_cast<int>(utf8.size()));
    pango_layout_set_attributes(layout.get(), list);
    pango_attr_list_unref(list);

    bool wraps = wrapWidth > 0 && std::isfinite(wrapWidth) && wrapWidth * PANGO_SCALE < G_MAXINT;
    pango_layout_set_wrap(layout.get(), style.lineBreakMode == NSLineBreakMode::byCharWrapping ? PANGO_WRAP_CHAR
                                                                                            : PANGO_WRAP_WORD_CHAR);
    pango_layout_set_width(layout.get(), wraps ? static_cast<int>(std::floor(wrapWidth * PANGO_SCALE)) : -1);
    pango_layout_set_alignment(layout.get(), pangoAlignment(style.alignment));
    pango_layout_set_justify(layout.get(), style.alignment == NSTextAlignment::justified);
    if (utf16ToByte) {
        *utf16ToByte = std::move(offsets);
    }
    return layout;
}

CGSize measureLabelText(const NSAttributedString& text, const LabelTextStyle& style, CGFloat maxWidth)
{
    if (text.length() == 0) {
        return {0, 0};
    }
    auto layout = makeLabelTextLayout(nullptr, text, style, maxWidth);
    LineExtent extent = lineExtent(layout.get(), style.maximumLines);
    return {static_cast<CGFloat>(extent.widest) / PANGO_SCALE, static_cast<CGFloat>(extent.bottom) / PANGO_SCALE};
}

CGFloat singleLineTextWidth(const NSAttributedString& text, const LabelTextStyle& style)
{
    LabelTextStyle oneLine = style;
    oneLine.maximumLines = 1;
    return measureLabelText(text, oneLine, 0).width;
}

void drawLabelText(CGContext& context, const NSAttributedString& text, const CGRect& rect, const LabelTextStyle& style)
{
    if (text.length() == 0 || rect.width() <= 0 || rect.height() <= 0) {
        return;
    }
    cairo_t* cr = context.cairo();
    bool multiLine = style.maximumLines != 1;
    bool wraps = multiLine || wrapsLines(style.lineBreakMode);
    bool clipsSingleLine = !multiLine && style.lineBreakMode == NSLineBreakMode::byClipping;
    auto layout = makeLabelTextLayout(cr, text, style, clipsSingleLine ? 0 : rect.width());
    PangoLayout* pango = layout.get();

    int shown = 1;
    if (multiLine) {
        shown = linesFitting(pango, rect.height());
        if (style.maximumLines > 0) {
            shown = std::min(shown, style.maximumLines);
        }
    }
    bool truncates = ellipsizeMode(style.lineBreakMode) != PANGO_ELLIPSIZE_NONE;
    if (truncates && pango_layout_get_line_count(pango) > shown) {
        // Pango ellipsizes the last line kept by a negative height; one line takes the mode as is.
        pango_layout_set_ellipsize(pango, shown == 1 ? ellipsizeMode(style.lineBreakMode) : PANGO_ELLIPSIZE_END);
        pango_layout_set_height(pango, -shown);
    } else if (truncates && !wraps) {
        pango_layout_set_ellipsize(pango, ellipsizeMode(style.lineBreakMode));
        pango_layout_set_height(pango, -1);
    }
    LineExtent extent = lineExtent(pango, shown);
    CGFloat textWidth = static_cast<CGFloat>(extent.widest) / PANGO_SCALE;
    CGFloat textHeight = static_cast<CGFloat>(extent.bottom) / PANGO_SCALE;

    CGFloat x = rect.minX();
    if (pango_layout_get_width(pango) < 0) {
        // Without a layout width Pango does not align; place the single line ourselves.
        if (style.alignment == NSTextAlignment::center) {
            x += (rect.width() - textWidth) / 2;
        } else if (style.alignment == NSTextAlignment::right) {
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
