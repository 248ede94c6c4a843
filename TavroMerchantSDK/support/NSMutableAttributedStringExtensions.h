#pragma once
// Whole-text attribute helpers for attributed text. Ranges are UTF-16 lengths, so text outside the
// basic multilingual plane is covered entirely.

#include "platform/foundation/NSMutableAttributedString.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIFont.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavro {

// Kerning of `spacing` (an integer number) over the whole text.
void addCharacterSpacing(platform::NSMutableAttributedString& text, std::int64_t spacing);
// Foreground colour over the whole text; a null colour adds nothing.
void setForegroundColor(platform::NSMutableAttributedString& text, platform::UIColorPtr color);
// Font over the whole text; a null font adds nothing.
void setFont(platform::NSMutableAttributedString& text, platform::UIFontPtr font);

// New attributed text holding `text`, with the colour, then the font, then the spacing applied when
// given; absent arguments add nothing.
platform::NSMutableAttributedString attributedString(std::string_view text, platform::UIColorPtr color,
                                                     platform::UIFontPtr font, std::optional<std::int64_t> spacing);

} // namespace tavro
