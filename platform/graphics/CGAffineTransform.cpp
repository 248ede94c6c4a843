#include "platform/graphics/CGAffineTransform.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace platform {

CGAffineTransform CGAffineTransform::makeRotation(CGFloat angle)
{
    CGFloat s = std::sin(angle);
    CGFloat co = std::cos(angle);
    return {co, s, -s, co, 0, 0};
}

CGAffineTransform CGAffineTransform::concatenating(const CGAffineTransform& t) const
{
    return {
        a * t.a + b * t.c, a * t.b + b * t.d,          c * t.a + d * t.c,
        c * t.b + d * t.d, tx * t.a + ty * t.c + t.tx, tx * t.b + ty * t.d + t.ty,
    };
}

CGAffineTransform CGAffineTransform::scaledBy(CGFloat sx, CGFloat sy) const
{
    return makeScale(sx, sy).concatenating(*this);
}

CGAffineTransform CGAffineTransform::translatedBy(CGFloat dx, CGFloat dy) const
{
    return makeTranslation(dx, dy).concatenating(*this);
}

CGAffineTransform CGAffineTransform::rotated(CGFloat angle) const
{
    return makeRotation(angle).concatenating(*this);
}

bool CGAffineTransform::isInvertible() const
{
    CGFloat det = a * d - b * c;
    return det != 0 && std::isfinite(det);
}

CGAffineTransform CGAffineTransform::inverted() const
{
    if (!isInvertible())
        return *this;
    CGFloat det = a * d - b * c;
    CGFloat ia = d / det;
    CGFloat ib = -b / det;
    CGFloat ic = -c / det;
    CGFloat id = a / det;
    return {ia, ib, ic, id, -(tx * ia + ty * ic), -(tx * ib + ty * id)};
}

CGPoint CGAffineTransform::apply(CGPoint p) const
{
    return {a * p.x + c * p.y + tx, b * p.x + d * p.y + ty};
}

CGSize CGAffineTransform::apply(CGSize s) const
{
    return {a * s.width + c * s.height, b * s.width + d * s.height};
}

CGRect CGAffineTransform::apply(const CGRect& rect) const
{
    if (rect.isNull())
        return CGRect::null();
    const CGPoint corners[4] = {
        apply(CGPoint{rect.minX(), rect.minY()}),
        apply(CGPoint{rect.maxX(), rect.minY()}),
        apply(CGPoint{rect.minX(), rect.maxY()}),
        apply(CGPoint{rect.maxX(), rect.maxY()}),
    };
    CGFloat x1 = corners[0].x, x2 = corners[0].x, y1 = corners[0].y, y2 = corners[0].y;
    for (const CGPoint& p : corners) {
        x1 = std::min(x1, p.x);
        x2 = std::max(x2, p.x);
        y1 = std::min(y1, p.y);
        y2 = std::max(y2, p.y);
    }
    return CGRect(x1, y1, x2 - x1, y2 - y1);
}

cairo_matrix_t CGAffineTransform::toCairoMatrix() const
{
    cairo_matrix_t m;
    cairo_matrix_init(&m, a, b, c, d, tx, ty);
    return m;
}

CGAffineTransform CGAffineTransform::fromCairoMatrix(const cairo_matrix_t& m)
{
    return {m.xx, m.yx, m.xy, m.yy, m.x0, m.y0};
}

} // namespace platform
