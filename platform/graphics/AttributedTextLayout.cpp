#include "platform/graphics/AttributedTextLayout.h"

#include "platform/foundation/AttributedStringAttributes.h"
#include "platform/foundation/Text.h"
#include "platform/graphics/LongClusters.h"
#include "platform/graphics/LongRunBreaks.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include <unicode/ubidi.h>

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

// Shown as U+FFFD: an unpaired surrogate, and a control character other than tab, line feed and
// carriage return (they have no glyph, and Pango would cut the text at a NUL).
bool showsAsReplacement(char32_t unit)
{
    return (unit < 0x20 && unit != u'\t' && unit != u'\n' && unit != u'\r') || (unit >= 0x7F && unit <= 0x9F) ||
           (unit >= 0xD800 && unit <= 0xDFFF);
}

// UTF-16 to UTF-8 with the byte offset of every UTF-16 position; an unpaired surrogate or a control
// character becomes U+FFFD. The second unit of a pair maps to the start of its character.
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
        if (showsAsReplacement(unit)) {
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
            PangoUnderline underline = style == static_cast<std::int64_t>(NSUnderlineStyle::double_)
                                           ? PANGO_UNDERLINE_DOUBLE
                                           : PANGO_UNDERLINE_SINGLE;
            insert(pango_attr_underline_new(underline));
        }
    }
}

// True when the text's first strong character is right to left (as Pango resolves a paragraph).
bool isRightToLeft(const std::u16string& text)
{
    return ubidi_getBaseDirection(text.data(), static_cast<int32_t>(text.size())) == UBIDI_RTL;
}

// Pango mirrors left and right for a right-to-left paragraph (its alignments mean leading and
// trailing); left and right are passed mirrored for such text so that they come out as asked. Natural
// alignment is leading, which Pango's left already is.
PangoAlignment pangoAlignment(NSTextAlignment alignment, bool rightToLeft)
{
    switch (alignment) {
    case NSTextAlignment::center: return PANGO_ALIGN_CENTER;
    case NSTextAlignment::left: return rightToLeft ? PANGO_ALIGN_RIGHT : PANGO_ALIGN_LEFT;
    case NSTextAlignment::right: return rightToLeft ? PANGO_ALIGN_LEFT : PANGO_ALIGN_RIGHT;
    default: return PANGO_ALIGN_LEFT;
    }
}

} // namespace

PangoLayoutPtr makeAttributedTextLayout(cairo_t* cr, const NSAttributedString& text, const LabelTextStyle& style,
                                        CGFloat wrapWidth, std::vector<std::size_t>* utf16ToByte)
{
    PangoLayoutPtr layout = cr ? createTextLayout(cr) : createMeasuringLayout();
    double scale = style.fontScale > 0 && std::isfinite(style.fontScale) ? style.fontScale : 1;
    pango_layout_set_font_description(layout.get(), scaledDescription(effectiveFont(style), scale).get());

    std::vector<std::size_t> offsets;
    std::string utf8 = toUtf8WithOffsets(text.utf16(), offsets);
    shortenLongClusters(utf8, offsets);
    bool wraps = wrapWidth > 0 && std::isfinite(wrapWidth) && wrapWidth * PANGO_SCALE < G_MAXINT;
    const bool wrapsWords = style.lineBreakMode != NSLineBreakMode::byCharWrapping;
    const std::vector<ByteRange> longRuns = wraps && wrapsWords ? insertBreaksInLongRuns(utf8, offsets)
                                                                : std::vector<ByteRange>();
    PangoAttrList* list = pango_attr_list_new();
    for (const auto& run : text.runs()) {
        if (run.attributes.empty() || run.range.length == 0) {
            continue;
        }
        addRunAttributes(list, run.attributes, static_cast<guint>(offsets[run.range.location]),
                         static_cast<guint>(offsets[run.range.end()]), scale);
    }
    for (const auto& [start, end] : longRuns) {
        PangoAttribute* noHyphens = pango_attr_insert_hyphens_new(FALSE);
        noHyphens->start_index = static_cast<guint>(start);
        noHyphens->end_index = static_cast<guint>(end);
        pango_attr_list_insert(list, noHyphens);
    }
    pango_layout_set_text(layout.get(), utf8.data(), static_cast<int>(utf8.size()));
    pango_layout_set_attributes(layout.get(), list);
    pango_attr_list_unref(list);

    pango_layout_set_wrap(layout.get(), wrapsWords ? PANGO_WRAP_WORD_CHAR : PANGO_WRAP_CHAR);
    pango_layout_set_width(layout.get(), wraps ? static_cast<int>(std::floor(wrapWidth * PANGO_SCALE)) : -1);
    pango_layout_set_alignment(layout.get(), pangoAlignment(style.alignment, isRightToLeft(text.utf16())));
    pango_layout_set_justify(layout.get(), style.alignment == NSTextAlignment::justified);
    if (utf16ToByte) {
        *utf16ToByte = std::move(offsets);
    }
    return layout;
}

void forEachLine(PangoLayout* layout, const std::function<bool(const LineBox&)>& visit)
{
    PangoLayoutIter* iter = pango_layout_get_iter(layout);
    bool more = true;
    do {
        PangoRectangle logical;
        pango_layout_iter_get_line_extents(iter, nullptr, &logical);
        LineBox line;
        line.width = logical.width;
        pango_layout_iter_get_line_yrange(iter, &line.top, &line.bottom);
        more = visit(line);
    } while (more && pango_layout_iter_next_line(iter));
    pango_layout_iter_free(iter);
}

LineExtent lineExtent(PangoLayout* layout, int maxLines)
{
    LineExtent extent;
    forEachLine(layout, [&](const LineBox& line) {
        extent.widest = std::max(extent.widest, line.width);
        extent.bottom = line.bottom;
        ++extent.count;
        return maxLines <= 0 || extent.count < maxLines;
    });
    return extent;
}

int linesFitting(PangoLayout* layout, CGFloat height)
{
    if (!std::isfinite(height)) {
        return pango_layout_get_line_count(layout);
    }
    int fitting = 0;
    forEachLine(layout, [&](const LineBox& line) {
        if (static_cast<CGFloat>(line.bottom) / PANGO_SCALE > height + 0.5) {
            return false;
        }
        ++fitting;
        return true;
    });
    return std::max(1, fitting);
}

} // namespace platform
