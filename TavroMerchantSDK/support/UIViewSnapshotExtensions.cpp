#include "TavroMerchantSDK/support/UIViewSnapshotExtensions.h"

#include "TavroMerchantSDK/support/ScopedImageContext.h"

#include "platform/foundation/DebugLog.h"

#include <cairo.h>

namespace tavro {

namespace {

// The pixels of `area` (whole pixels inside the bitmap) as a new bitmap.
platform::CGImagePtr cropBitmap(const platform::CGImage& bitmap, const platform::CGRect& area)
{
    int width = static_cast<int>(area.width());
    int height = static_cast<int>(area.height());
    cairo_surface_t* cropped = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(cropped);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, bitmap.surface(), -area.minX(), -area.minY());
    cairo_paint(cr);
    cairo_destroy(cr);
    return platform::CGImage::adopt(cropped);
}

} // namespace

platform::UIImagePtr snapshot(const platform::UIViewPtr& view, const std::optional<platform::CGRect>& rect)
{
    if (!view) {
        platform::debugLog("snapshot: no view");
        return nullptr;
    }
    view->layoutIfNeeded();
    const auto bounds = view->bounds();
    platform::UIImagePtr picture;
    {
        ScopedImageContext drawing(bounds.size, view->isOpaque());
        if (!drawing)
            return nullptr;
        auto& context = drawing.context();
        context.translateBy(-bounds.origin.x, -bounds.origin.y);
        view->layer()->render(context);
        picture = drawing.image();
    }
    if (!picture || !rect)
        return picture;

    const auto& bitmap = picture->cgImage();
    if (!bitmap)
        return nullptr;
    const double scale = picture->scale();
    auto pixels = platform::CGRect(rect->origin.x * scale, rect->origin.y * scale, rect->size.width * scale,
                                   rect->size.height * scale)
                      .integral()
                      .intersection(platform::CGRect(0, 0, bitmap->width(), bitmap->height()));
    if (pixels.isNull() || pixels.isEmpty())
        return nullptr;
    auto cropped = cropBitmap(*bitmap, pixels);
    return cropped ? platform::UIImage::fromCGImage(cropped, scale) : nullptr;
}

} // namespace tavro
