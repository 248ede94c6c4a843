#pragma once
// Writing our bitmaps as PNG. Opaque bitmaps are written as 8-bit RGB, others as 8-bit RGBA (alpha not
// premultiplied).

#include "platform/graphics/CGImage.h"

#include <string>

namespace platform {

// The PNG file of `image`; the empty string (with one debug line) if the encoder fails.
std::string encodePNG(const CGImage& image);

} // namespace platform
