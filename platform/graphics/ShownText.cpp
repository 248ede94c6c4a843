#include "platform/graphics/ShownText.h"

#include "platform/foundation/AttributedStringAttributes.h"
#include "platform/foundation/NSMutableAttributedString.h"
#include "platform/graphics/AttributedTextLayout.h"
#include "platform/graphics/ClusterBoundary.h"

#include <pango/pango.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {

namespace {

// The first guess at a line's length in UTF-16 units takes every glyph to be this share of its
// font's size wide; the narrowest letters and spaces are wider. A guess that falls short is grown.
constexpr double kNarrowestAdvance = 0.25;
constexpr int kExtraLines = 2;
constexpr double kGrowth = 4;

// The size and line height of a font, at the style's scale.
struct FontBounds {
    CGFloat size;
    CGFloat lineHeight;
};

FontBounds scaled(FontBounds bounds, const LabelTextStyle& style)
{
    const double scale = style.fontScale > 0 && std::isfinite(style.fontScale) ? style.fontScale : 1;
    return {bounds.size * scale, bounds.lineHeight * scale};
}

// The smallest font size and line height in the text.
FontBounds smallestFont(const NSAttributedString& text, const LabelTextStyle& style)
{
    const UIFont& base = effectiveFont(style);
    FontBounds bounds{base.pointSize(), base.lineHeight()};
    for (const auto& run : text.runs()) {
        auto found = run.attributes.find(NSAttributedStringKey::font);
        if (found == run.attributes.end()) {
            continue;
        }
        if (auto font = found->second.asFont()) {
            bounds.size = std::min(bounds.size, font->pointSize());
            bounds.lineHeight = std::min(bounds.lineHeight, font->lineHeight());
        }
    }
    return scaled(bounds, style);
}

// The first guess at how many UTF-16 units the shown lines, and kExtraLines more, can hold.
double firstBudget(FontBounds font, CGFloat width, int maxLines, CGFloat maxHeight)
{
    double lines = maxLines > 0 ? maxLines : std::numeric_limits<double>::infinity();
    if (std::isfinite(maxHeight)) {
        lines = std::min(lines, std::floor(std::max(0.0, maxHeight + 0.5) / font.lineHeight) + 1);
    }
    return (lines + kExtraLines) * (std::ceil(width / (kNarrowestAdvance * font.size)) + 1);
}

// Whether a laid-out part runs at least kExtraLines lines past those that show.
bool runsPastShownLines(PangoLayout* layout, int maxLines, CGFloat maxHeight)
{
    int shown = linesFitting(layout, maxHeight);
    if (maxLines > 0) {
        shown = std::min(shown, maxLines);
    }
    return pango_layout_get_line_count(layout) >= shown + kExtraLines;
}

} // namespace

ShownText shownText(const NSAttributedString& text, const LabelTextStyle& style, CGFloat width, int maxLines,
                    CGFloat maxHeight, ShownEnds ends)
{
    ShownText whole;
    if (!(width > 0) || !std::isfinite(width) || (maxLines <= 0 && !std::isfinite(maxHeight))) {
        return whole;
    }
    const std::size_t length = text.length();
    const double sides = ends == ShownEnds::both ? 2 : 1;
    // Smaller fonts only make the guess larger, so a text within the guess for the style's font is laid
    // out whole.
    const UIFont& base = effectiveFont(style);
    if (firstBudget(scaled({base.pointSize(), base.lineHeight()}, style), width, maxLines, maxHeight) * sides >=
        static_cast<double>(length)) {
        return whole;
    }
    const std::u16string& units = text.utf16();
    for (double budget = firstBudget(smallestFont(text, style), width, maxLines, maxHeight);
         budget * sides < static_cast<double>(length); budget *= kGrowth) {
        const auto keep = static_cast<std::size_t>(budget);
        const std::size_t headEnd = ends == ShownEnds::end ? 0 : clusterBoundary(units, keep, true);
        const std::size_t tailStart = ends == ShownEnds::start ? length : clusterBoundary(units, length - keep, false);
        if (headEnd >= tailStart) {
            break;
        }
        ShownText shown;
        if (headEnd > 0) {
            NSAttributedString head = text.attributedSubstring({0, headEnd});
            PangoLayoutPtr layout = makeAttributedTextLayout(nullptr, head, style, width);
            if (!runsPastShownLines(layout.get(), maxLines, maxHeight)) {
                continue;
            }
            shown.part = std::move(head);
            shown.layout = std::move(layout);
        }
        if (tailStart < length) {
            // The end shows only on one line truncated at its head or middle.
            NSAttributedString tail = text.attributedSubstring({tailStart, length - tailStart});
            PangoLayoutPtr layout = makeAttributedTextLayout(nullptr, tail, style, width);
            if (!runsPastShownLines(layout.get(), 1, std::numeric_limits<CGFloat>::infinity())) {
                continue;
            }
            if (shown.part) {
                NSMutableAttributedString joined(*shown.part);
                joined.append(tail);
                shown.part = NSAttributedString(joined);
                shown.layout.reset();
            } else {
                shown.part = std::move(tail);
            }
        }
        return shown;
    }
    return whole;
}

} // namespace platform
