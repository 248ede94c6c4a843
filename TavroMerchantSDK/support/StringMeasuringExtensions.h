#pragma once
// The height a text takes when wrapped at a width. Main thread.

#include "platform/graphics/CGFloat.h"
#include "platform/graphics/UIFont.h"

#include <string_view>

namespace tavro {

// The height of `text` in `font`, wrapped at `width` points with no height limit, rounded up to a
// whole number of points. A null font measures in the system font of 12 points.
platform::CGFloat height(std::string_view text, platform::CGFloat width, const platform::UIFontPtr& font);

} // namespace tavro
