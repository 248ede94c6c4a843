#include "platform/graphics/CGImage.h"

namespace platform {

CGImagePtr CGImage::cropping(const CGRect& rect) const
{
    if (rect.isNull()) {
        return nullptr;
    }
    CGRect area = rect.standardized().integral().intersection(CGRect(0, 0, m_width, m_height));
    if (area.isNull() || area.isEmpty()) {
        return nullptr;
    }
    cairo_surface_t* cropped = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(area.width()),
                                                          static_cast<int>(area.height()));
    cairo_t* cr = cairo_create(cropped);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, m_surface, -area.minX(), -area.minY());
    cairo_paint(cr);
    cairo_destroy(cr);
    return adopt(cropped);
}

} // namespace platform
