#include "platform/graphics/PixelCount.h"

#include <cmath>

namespace platform {

double pixelCount(double points, double scale)
{
    const double pixels = points * scale;
    const double nearest = std::round(pixels);
    return std::fabs(pixels - nearest) < 1e-9 ? nearest : std::ceil(pixels);
}

} // namespace platform
