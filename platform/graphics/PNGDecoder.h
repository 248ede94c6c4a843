#pragma once
// Reading PNG files into our bitmaps.

#include "platform/graphics/CGImage.h"

#include <string_view>

namespace platform {

// The bitmap of a complete PNG file (any colour type, bit depth and interlacing; transparency chunks
// applied, no gamma correction); nullptr, silently, for bytes that are not one.
CGImagePtr decodePNG(std::string_view bytes);

} // namespace platform
