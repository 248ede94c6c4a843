#pragma once
// Pixel checks of the row galleries: rows are rendered at scale 2 and read in points.
#include "platform/graphics/UIImage.h"

#include <cstdlib>

namespace celltest {

inline constexpr int kScale = 2;

// Whether two colours differ by at most `tolerance` in every channel (alpha aside).
inline bool near(platform::RGBA8 a, platform::RGBA8 b, int tolerance = 6)
{
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

// The colour at a point of the row, in points.
inline platform::RGBA8 at(const platform::UIImage& image, double x, double y)
{
    return image.pixelAt(static_cast<int>(x * kScale), static_cast<int>(y * kScale));
}

} // namespace celltest
