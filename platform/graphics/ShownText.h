#pragma once
// The part of a long text that a label can show. A label limited to a few lines, by its number of lines
// or by its height, shows only the start of its text (on one line truncated at the head, only its end;
// in the middle, both ends). Laying out only that part keeps a 1 MB text as cheap as its few lines.
// Measuring and drawing take the same part, so they agree. Internal to platform/graphics.
#include "platform/foundation/NSAttributedString.h"
#include "platform/graphics/LabelText.h"
#include "platform/graphics/TextLayout.h"

#include <optional>

namespace platform {

// Which ends of a text show when not all of it can.
enum class ShownEnds { start, end, both };

struct ShownText {
    // The part to lay out instead of the whole text; none when the whole text is to be laid out.
    std::optional<NSAttributedString> part;
    // With a part that is the text's start: that part laid out on the measuring context, wrapped at
    // the width (as makeAttributedTextLayout does).
    PangoLayoutPtr layout;
};

// The part of `text` that lines `width` points wide can show: at most `maxLines` lines (0: no limit)
// and those that fit `maxHeight` points (infinite: no limit). Each kept end holds two lines more than
// can show, so the lines shown, and where the last of them is truncated, are those of the whole text.
// No part for a width that is not positive and finite, or for no limit at all.
ShownText shownText(const NSAttributedString& text, const LabelTextStyle& style, CGFloat width, int maxLines,
                    CGFloat maxHeight, ShownEnds ends);

} // namespace platform
