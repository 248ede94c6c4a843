#include "platform/graphics/UnwrappedTextSize.h"

#include "platform/graphics/AttributedTextLayout.h"
#include "platform/graphics/ClusterBoundary.h"
#include "platform/graphics/LineBreaks.h"

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

// The lines kept so far, in the order they come.
class KeptLines {
public:
    KeptLines(int maxLines, CGFloat maxHeight) : m_maxLines(maxLines), m_maxHeight(maxHeight) {}

    // Keeps the line if it shows; false when it does not, and no later line will.
    bool keep(const Line& line)
    {
        const bool beyondHeight = std::isfinite(m_maxHeight) && m_bottom + line.height > m_maxHeight + 0.5;
        if ((m_maxLines > 0 && m_kept == m_maxLines) || (m_kept > 0 && beyondHeight)) {
            return false;
        }
        m_widest = std::max(m_widest, std::min(line.width, kWidestUnwrappedLine));
        m_bottom += line.height;
        ++m_kept;
        return true;
    }
    CGSize size() const { return {m_widest, m_bottom}; }

private:
    int m_maxLines;
    CGFloat m_maxHeight;
    double m_widest = 0;
    double m_bottom = 0;
    int m_kept = 0;
};

} // namespace

std::optional<CGSize> unwrappedTextSize(const NSAttributedString& text, const LabelTextStyle& style, int maxLines,
                                        CGFloat maxHeight)
{
    const std::size_t length = text.length();
    if (length <= kLongestUnwrappedPiece) {
        return std::nullopt;
    }
    KeptLines kept(maxLines, maxHeight);
    Line open{0, 0}; // the line the pieces so far end in: it may go on in the next piece
    for (std::size_t start = 0; start < length;) {
        std::size_t end = length;
        if (length - start > kLongestUnwrappedPiece) {
            end = clusterBoundary(text.utf16(), start + kLongestUnwrappedPiece, false);
            if (end <= start) { // one cluster longer than a piece
                end = clusterBoundary(text.utf16(), start + kLongestUnwrappedPiece, true);
            }
        }
        const std::vector<Line> piece = linesOf(text.attributedSubstring({start, end - start}), style);
        for (std::size_t i = 0; i < piece.size(); ++i) {
            Line line = piece[i];
            if (i == 0) {
                line.width += open.width;
                line.height = std::max(line.height, open.height);
            }
            if (i + 1 == piece.size()) {
                open = line;
            } else if (!kept.keep(line)) {
                return kept.size();
            }
        }
        // A line already as wide as it can measure: the rest of it adds nothing.
        start = open.width >= kWidestUnwrappedLine ? nextLineBreak(text.utf16(), end) : end;
    }
    kept.keep(open);
    return kept.size();
}

} // namespace platform
