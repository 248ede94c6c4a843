#pragma once
// Renders CIImages into bitmaps (nearest-neighbour, see CIImage).

#include "platform/graphics/CIImage.h"

#include <memory>

namespace platform {

class CIContext {
public:
    static std::shared_ptr<CIContext> create();

    // The part of `image` inside `fromRect` as a bitmap of one pixel per unit (the rectangle's size
    // rounded to whole pixels); area outside the image's extent is transparent. Returns nullptr for a
    // rectangle that rounds to no pixels or is too large for a bitmap (BitmapLimits.h).
    CGImagePtr createCGImage(const CIImage& image, const CGRect& fromRect) const;
};

} // namespace platform
