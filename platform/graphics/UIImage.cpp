#include "platform/graphics/UIImage.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/CIContext.h"
#include "platform/graphics/ImageContext.h"
#include "platform/graphics/ImageDrawing.h"

#include <cairo.h>

#include <cmath>

namespace platform {

namespace {

double validScale(double scale)
{
    return (std::isfinite(scale) && scale > 0) ? scale : 1.0;
}

CGImagePtr mirroredCopy(const CGImage& bitmap)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, bitmap.width(), bitmap.height());
    cairo_t* cr = cairo_create(surface);
    cairo_translate(cr, bitmap.width(), 0);
    cairo_scale(cr, -1, 1);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, bitmap.surface(), 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    return CGImage::adopt(surface);
}

} // namespace

UIImagePtr UIImage::create()
{
    return std::make_shared<const UIImage>();
}

UIImagePtr UIImage::fromCGImage(CGImagePtr bitmap, double scale, UIImageOrientation orientation)
{
    if (!bitmap)
        return nullptr;
    auto image = std::make_shared<UIImage>();
    image->m_cgImage = std::move(bitmap);
    image->m_scale = validScale(scale);
    image->m_orientation = orientation;
    return image;
}

UIImagePtr UIImage::fromCIImage(CIImagePtr ciImage, double scale, UIImageOrientation orientation)
{
    if (!ciImage)
        return nullptr;
    auto image = std::make_shared<UIImage>();
    image->m_ciImage = std::move(ciImage);
    image->m_scale = validScale(scale);
    image->m_orientation = orientation;
    return image;
}

CGSize UIImage::size() const
{
    if (m_cgImage)
        return {m_cgImage->width() / m_scale, m_cgImage->height() / m_scale};
    if (m_ciImage) {
        CGRect extent = m_ciImage->extent();
        return {extent.width() / m_scale, extent.height() / m_scale};
    }
    return {0, 0};
}

UIImagePtr UIImage::withRenderingMode(UIImageRenderingMode mode) const
{
    auto image = std::make_shared<UIImage>(*this);
    image->m_renderingMode = mode;
    return image;
}

UIImagePtr UIImage::withHorizontallyFlippedOrientation() const
{
    auto image = std::make_shared<UIImage>(*this);
    image->m_orientation =
        m_orientation == UIImageOrientation::up ? UIImageOrientation::upMirrored : UIImageOrientation::up;
    image->m_rendered.reset();
    return image;
}

UIImagePtr UIImage::imageFlippedForRightToLeftLayoutDirection() const
{
    auto image = std::make_shared<UIImage>(*this);
    image->m_flipsForRightToLeft = true;
    return image;
}

CGImagePtr UIImage::renderedBitmap() const
{
    if (m_rendered)
        return m_rendered;
    CGImagePtr upright = m_cgImage;
    if (!upright && m_ciImage)
        upright = CIContext::create()->createCGImage(*m_ciImage, m_ciImage->extent());
    if (!upright)
        return nullptr;
    m_rendered = m_orientation == UIImageOrientation::upMirrored ? mirroredCopy(*upright) : upright;
    return m_rendered;
}

int UIImage::pixelWidth() const
{
    CGImagePtr bitmap = renderedBitmap();
    return bitmap ? bitmap->width() : 0;
}

int UIImage::pixelHeight() const
{
    CGImagePtr bitmap = renderedBitmap();
    return bitmap ? bitmap->height() : 0;
}

RGBA8 UIImage::pixelAt(int x, int y) const
{
    CGImagePtr bitmap = renderedBitmap();
    return bitmap ? bitmap->pixelAt(x, y) : RGBA8{};
}

void UIImage::draw(const CGRect& rect) const
{
    CGContextPtr context = UIGraphicsGetCurrentContext();
    if (!context) {
        debugLog("UIImage: draw with no current context");
        return;
    }
    draw(rect, context->blendMode(), context->alpha());
}

void UIImage::draw(const CGRect& rect, CGBlendMode blendMode, double alpha) const
{
    CGContextPtr context = UIGraphicsGetCurrentContext();
    if (!context) {
        debugLog("UIImage: draw with no current context");
        return;
    }
    ImageDrawOptions options;
    options.alpha = alpha;
    options.blendMode = blendMode;
    drawImage(context->cairo(), *this, rect, options);
}

void UIImage::draw(CGPoint at) const
{
    draw(CGRect(at, size()));
}

} // namespace platform
