#pragma once
// A fast PNG writer for our bitmaps. Opaque bitmaps are written as 8-bit RGB, others as 8-bit RGBA
// (alpha not premultiplied). The deflate stream uses fixed Huffman codes and matches against the pixel
// to the left and the row above only: flat artwork, screens and QR codes shrink a lot in little time,
// which the general compressor does not offer (it spends ~10 ms on a 600 x 600 QR image).

#include "platform/graphics/CGImage.h"

#include <string>

namespace platform {

std::string encodePNG(const CGImage& image);

} // namespace platform
