#pragma once
// Reading PNG files into our bitmaps.

#include "platform/graphics/CGImage.h"

#include <string>
#include <string_view>

namespace platform {

// The bitmap of a complete PNG file (any colour type, bit depth and interlacing; transparency chunks
// applied, no gamma correction). nullptr, silently, for bytes that are not one or an image over the
// platform's bitmap limit (checked before anything is allocated); `problem`, when given, then says
// which.
CGImagePtr decodePNG(std::string_view bytes, std::string* problem = nullptr);

} // namespace platform
