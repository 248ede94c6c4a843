#include "platform/graphics/CIContext.h"

#include "platform/graphics/BitmapLimits.h"

#include <cmath>

namespace platform {

std::shared_ptr<CIContext> CIContext::create()
{
    return std::make_shared<CIContext>();
}

CGImagePtr CIContext::createCGImage(const CIImage& image, const CGRect& fromRect) const
{
    if (fromRect.isNull())
        return nullptr;
    CGRect rect = fromRect.standardized();
    double width = std::round(rect.width());
    double height = std::round(rect.height());
    if (!checkBitmapSize(width, height, "CIContext"))
        return nullptr;
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height));
    cairo_t* cr = cairo_create(surface);
    image.draw(cr, rect, CGRect(0, 0, width, height));
    cairo_destroy(cr);
    return CGImage::adopt(surface);
}

} // namespace platform
