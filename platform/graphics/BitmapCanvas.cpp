#include "platform/graphics/BitmapCanvas.h"

#include "platform/foundation/ClassicNumbers.h"
#include "platform/foundation/DebugLog.h"
#include "platform/graphics/BitmapLimits.h"
#include "platform/graphics/PixelCount.h"

#include <cairo.h>

#include <cmath>
#include <string>

namespace platform {

std::unique_ptr<BitmapCanvas> BitmapCanvas::open(CGSize size, double scale, bool opaque)
{
    bool valid = std::isfinite(size.width) && std::isfinite(size.height) && size.width > 0 && size.height > 0 &&
                 std::isfinite(scale) && scale > 0;
    if (!valid) {
        debugLog("Renderer: nothing to draw for size " + classicNumber(size.width) + " x " +
                 classicNumber(size.height) + " at scale " + classicNumber(scale));
        return nullptr;
    }
    // A huge side is judged before it is turned into an int.
    const double width = pixelCount(size.width, scale);
    const double height = pixelCount(size.height, scale);
    if (!checkBitmapSize(width, height, "Renderer"))
        return nullptr;
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height));
    cairo_t* cr = cairo_create(surface);
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
        debugLog("Renderer: the bitmap could not be made");
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
        return nullptr;
    }
    if (opaque) {
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_paint(cr);
    }
    cairo_scale(cr, scale, scale);
    CGContextPtr context = CGContext::create(cr);
    cairo_destroy(cr); // the context holds its own reference
    return std::unique_ptr<BitmapCanvas>(new BitmapCanvas(surface, std::move(context), scale));
}

BitmapCanvas::BitmapCanvas(cairo_surface_t* surface, CGContextPtr context, double scale)
    : m_surface(surface), m_context(std::move(context)), m_scale(scale)
{
}

BitmapCanvas::~BitmapCanvas()
{
    m_context.reset();
    if (m_surface) {
        cairo_surface_destroy(m_surface);
    }
}

UIImagePtr BitmapCanvas::image()
{
    if (!m_surface) {
        return nullptr;
    }
    cairo_surface_flush(m_surface);
    // The image takes over the canvas's reference: no copy of the pixels.
    cairo_surface_t* surface = m_surface;
    m_surface = nullptr;
    return UIImage::fromCGImage(CGImage::adopt(surface), m_scale);
}

} // namespace platform
