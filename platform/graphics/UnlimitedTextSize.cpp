#include "platform/graphics/UnlimitedTextSize.h"

#include "platform/graphics/AttributedTextLayout.h"
#include "platform/graphics/LineBreaks.h"
#include "platform/graphics/UnwrappedTextSize.h"

#include <pango/pango.h>

#include <algorithm>

namespace platform {

std::optional<CGSize> unlimitedTextSize(const NSAttributedString& text, const LabelTextStyle& style, CGFloat width)
{
    const std::u16string& units = text.utf16();
    if (units.size() <= kLongestUnwrappedPiece) {
        return std::nullopt;
    }
    double widest = 0;
    double height = 0;
    // Each piece runs to the first line break past kLongestUnwrappedPiece units; the break itself
    // belongs to neither piece, so each line is laid out once.
    for (std::size_t start = 0;;) {
        std::size_t end = nextLineBreak(units, std::min(start + kLongestUnwrappedPiece, units.size()));
        if (end < units.size() && units[end] == u'\n' && units[end - 1] == u'\r') {
            --end; // the break is the whole CR LF
        }
        PangoLayoutPtr layout =
            makeAttributedTextLayout(nullptr, text.attributedSubstring({start, end - start}), style, width);
        const LineExtent extent = lineExtent(layout.get(), 0);
        widest = std::max(widest, static_cast<double>(extent.widest) / PANGO_SCALE);
        height += static_cast<double>(extent.bottom) / PANGO_SCALE;
        if (end == units.size()) {
            return CGSize{widest, height};
        }
        start = pastLineBreak(units, end);
    }
}

} // namespace platform
