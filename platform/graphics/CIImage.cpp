#include "platform/graphics/CIImage.h"

#include <cairo.h>

#include <cassert>

namespace platform {

CIImage::CIImage(CGImagePtr source, const CGAffineTransform& transform)
    : m_source(std::move(source)), m_transform(transform)
{
    assert(m_source);
}

CIImagePtr CIImage::fromBitmap(CGImagePtr bitmap)
{
    if (!bitmap)
        return nullptr;
    return std::make_shared<const CIImage>(std::move(bitmap), CGAffineTransform::identity());
}

CGRect CIImage::extent() const
{
    return m_transform.apply(CGRect(0, 0, m_source->width(), m_source->height()));
}

CIImagePtr CIImage::transformed(const CGAffineTransform& transform) const
{
    return std::make_shared<const CIImage>(m_source, m_transform.concatenating(transform));
}

void CIImage::draw(cairo_t* cr, const CGRect& fromRect, const CGRect& toRect, double alpha) const
{
    if (fromRect.isEmpty() || toRect.isEmpty() || !m_transform.isInvertible())
        return;
    // User space -> image space -> source pixels (cairo's pattern matrix maps user to pattern space).
    CGAffineTransform userToSource =
        CGAffineTransform::makeTranslation(-toRect.minX(), -toRect.minY())
            .concatenating(
                CGAffineTransform::makeScale(fromRect.width() / toRect.width(), fromRect.height() / toRect.height()))
            .concatenating(CGAffineTransform::makeTranslation(fromRect.minX(), fromRect.minY()))
            .concatenating(m_transform.inverted());
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(m_source->surface());
    cairo_matrix_t matrix = userToSource.toCairoMatrix();
    cairo_pattern_set_matrix(pattern, &matrix);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_NONE);

    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, toRect.minX(), toRect.minY(), toRect.width(), toRect.height());
    cairo_clip(cr);
    cairo_set_source(cr, pattern);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
    cairo_pattern_destroy(pattern);
}

} // namespace platform
