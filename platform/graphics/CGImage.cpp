#include "platform/graphics/CGImage.h"

#include <cairo.h>

#include <cstring>

namespace platform {

std::ostream& operator<<(std::ostream& out, const RGBA8& p)
{
    return out << "RGBA(" << int(p.r) << ", " << int(p.g) << ", " << int(p.b) << ", " << int(p.a) << ")";
}

namespace {

bool isUsableImageSurface(cairo_surface_t* surface)
{
    return surface && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS &&
           cairo_surface_get_type(surface) == CAIRO_SURFACE_TYPE_IMAGE && cairo_image_surface_get_width(surface) > 0 &&
           cairo_image_surface_get_height(surface) > 0;
}

// A new ARGB32 surface holding the pixels of `surface`.
cairo_surface_t* argbCopy(cairo_surface_t* surface)
{
    int width = cairo_image_surface_get_width(surface);
    int height = cairo_image_surface_get_height(surface);
    cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(copy) != CAIRO_STATUS_SUCCESS)
        return copy;
    cairo_surface_flush(surface);
    if (cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32) {
        int stride = cairo_image_surface_get_stride(surface);
        int copyStride = cairo_image_surface_get_stride(copy);
        const unsigned char* from = cairo_image_surface_get_data(surface);
        unsigned char* to = cairo_image_surface_get_data(copy);
        for (int row = 0; row < height; ++row)
            std::memcpy(to + row * copyStride, from + row * stride, static_cast<size_t>(width) * 4);
        cairo_surface_mark_dirty(copy);
    } else {
        cairo_t* cr = cairo_create(copy);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr, surface, 0, 0);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_surface_flush(copy);
    }
    return copy;
}

} // namespace

CGImage::CGImage(cairo_surface_t* surface)
    : m_surface(surface),
      m_width(cairo_image_surface_get_width(surface)),
      m_height(cairo_image_surface_get_height(surface))
{
}

CGImage::~CGImage()
{
    cairo_surface_destroy(m_surface);
}

CGImagePtr CGImage::adopt(cairo_surface_t* surface)
{
    if (!isUsableImageSurface(surface)) {
        if (surface)
            cairo_surface_destroy(surface);
        return nullptr;
    }
    if (cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32) {
        cairo_surface_t* converted = argbCopy(surface);
        cairo_surface_destroy(surface);
        surface = converted;
        if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
            cairo_surface_destroy(surface);
            return nullptr;
        }
    }
    cairo_surface_flush(surface);
    return CGImagePtr(new CGImage(surface));
}

CGImagePtr CGImage::copyOf(cairo_surface_t* surface)
{
    if (!isUsableImageSurface(surface))
        return nullptr;
    return adopt(argbCopy(surface));
}

const std::uint8_t* CGImage::pixelData() const
{
    return cairo_image_surface_get_data(m_surface);
}

int CGImage::bytesPerRow() const
{
    return cairo_image_surface_get_stride(m_surface);
}

RGBA8 CGImage::pixelAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return {};
    std::uint32_t word;
    std::memcpy(&word, pixelData() + static_cast<std::ptrdiff_t>(y) * bytesPerRow() + x * 4, 4);
    return unpremultipliedPixel(word);
}

} // namespace platform
