#include "platform/graphics/UnwrappedTextSize.h"

#include "platform/graphics/AttributedTextLayout.h"
#include "platform/graphics/ClusterBoundary.h"

#include <pango/pango.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace platform {

namespace {

struct Line {
    double width; // points
    double height;
};

std::vector<Line> linesOf(const NSAttributedString& piece, const LabelTextStyle& style)
{
    PangoLayoutPtr layout = makeAttributedTextLayout(nullptr, piece, style, 0);
    std::vector<Line> lines;
    forEachLine(layout.get(), [&lines](const LineBox& line) {
        lines.push_back({static_cast<double>(line.width) / PANGO_SCALE,
                         static_cast<double>(line.bottom - line.top) / PANGO_SCALE});
        return true;
    });
    return lines;
}

} // namespace

std::optional<CGSize> unwrappedTextSize(const NSAttributedString& text, const LabelTextStyle& style, int maxLines,
                                        CGFloat maxHeight)
{
    const std::size_t length = text.length();
    if (length <= kLongestUnwrappedPiece) {
        return std::nullopt;
    }
    std::vector<Line> lines;
    for (std::size_t start = 0; start < length;) {
        std::size_t end = length;
        if (length - start > kLongestUnwrappedPiece) {
            end = clusterBoundary(text.utf16(), start + kLongestUnwrappedPiece, false);
            if (end <= start) { // one cluster longer than a piece
                end = clusterBoundary(text.utf16(), start + kLongestUnwrappedPiece, true);
            }
        }
        std::vector<Line> piece = linesOf(text.attributedSubstring({start, end - start}), style);
        auto next = piece.begin();
        if (!lines.empty()) {
            lines.back().width += next->width;
            lines.back().height = std::max(lines.back().height, next->height);
            ++next;
        }
        lines.insert(lines.end(), next, piece.end());
        start = end;
    }
    double widest = 0;
    double bottom = 0;
    int kept = 0;
    for (const Line& line : lines) {
        const bool beyondHeight = std::isfinite(maxHeight) && bottom + line.height > maxHeight + 0.5;
        if ((maxLines > 0 && kept == maxLines) || (kept > 0 && beyondHeight)) {
            break;
        }
        widest = std::max(widest, line.width);
        bottom += line.height;
        ++kept;
    }
    return CGSize{widest, bottom};
}

} // namespace platform
