#pragma once
// What the installed fonts make of a text: how many of its characters have no glyph in any font
// (drawn as boxes) and which font families the text is drawn in, the font's own family first and
// fallback families for the characters it lacks.
#include "platform/graphics/UIFont.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The number of characters of the UTF-8 `text` that no installed font can draw in `font`'s style.
int missingGlyphCount(std::string_view text, const UIFont& font);

// The families the runs of `text` are drawn in, in the order they first appear.
std::vector<std::string> fontFamiliesUsed(std::string_view text, const UIFont& font);

} // namespace platform
