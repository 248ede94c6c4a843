#include "platform/graphics/ImageDrawing.h"

namespace platform {

namespace {

void drawContent(cairo_t* cr, const UIImage& image, const CGRect& rect, double alpha)
{
    if (const CIImagePtr& ci = image.ciImage()) {
        ci->draw(cr, ci->extent(), rect, alpha);
        return;
    }
    const CGImage& bitmap = *image.cgImage();
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, rect.minX(), rect.minY(), rect.width(), rect.height());
    cairo_clip(cr);
    cairo_translate(cr, rect.minX(), rect.minY());
    cairo_scale(cr, rect.width() / bitmap.width(), rect.height() / bitmap.height());
    cairo_set_source_surface(cr, bitmap.surface(), 0, 0);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

} // namespace

void drawImage(cairo_t* cr, const UIImage& image, const CGRect& rect, const ImageDrawOptions& options)
{
    if (image.isEmpty() || rect.isEmpty())
        return;
    bool mirrored = image.imageOrientation() == UIImageOrientation::upMirrored;
    if (image.flipsForRightToLeftLayoutDirection() && options.rightToLeft)
        mirrored = !mirrored;

    cairo_save(cr);
    if (mirrored) {
        // Reflect about the rectangle's vertical centre line.
        cairo_translate(cr, rect.minX() + rect.maxX(), 0);
        cairo_scale(cr, -1, 1);
    }
    if (options.templateTint) {
        cairo_push_group(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        drawContent(cr, image, rect, 1.0);
        cairo_pattern_t* mask = cairo_pop_group(cr);
        cairo_set_operator(cr, toCairoOperator(options.blendMode));
        options.templateTint->setAsSource(cr, options.alpha);
        cairo_mask(cr, mask);
        cairo_pattern_destroy(mask);
    } else {
        cairo_set_operator(cr, toCairoOperator(options.blendMode));
        drawContent(cr, image, rect, options.alpha);
    }
    cairo_restore(cr);
}

void drawImage(CGContext& context, const UIImage& image, const CGRect& rect, const ImageDrawOptions& options)
{
    drawImage(context.cairo(), image, rect, options);
}

} // namespace platform
