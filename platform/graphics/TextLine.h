#pragma once
// One line of attributed text laid out for editing: no wrapping, no truncation, with the x offset of
// every position in the text for placing a caret and a selection.
#include "platform/foundation/NSAttributedString.h"
#include "platform/graphics/CGContext.h"
#include "platform/graphics/LabelText.h"

#include <cstddef>
#include <memory>

namespace platform {

class TextLine {
public:
    // Lays `text` out for drawing into `context` (which must outlive the line), in the style's font (the style's alignment,
    // line-break mode and line count play no part).
    TextLine(CGContext& context, const NSAttributedString& text, const LabelTextStyle& style);
    ~TextLine();
    TextLine(const TextLine&) = delete;
    TextLine& operator=(const TextLine&) = delete;

    CGFloat width() const { return m_width; }
    // The line's height; for empty text, the height of a line in the style's font.
    CGFloat height() const { return m_height; }
    // The x offset from the line's start of UTF-16 position `index` (clamped to the text's length).
    CGFloat offsetOf(std::size_t index) const;
    // Draws the line with its top-left corner at `origin`, in `color` (null: black) times the
    // context's alpha.
    void draw(CGPoint origin, const UIColorPtr& color) const;

private:
    struct Layout;
    CGContext& m_context;
    std::unique_ptr<Layout> m_layout;
    CGFloat m_width = 0;
    CGFloat m_height = 0;
};

} // namespace platform
