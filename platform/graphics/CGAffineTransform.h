#pragma once
// A 2-D affine transform in the row-vector convention of the 2-D graphics model:
//   x' = a*x + c*y + tx,   y' = b*x + d*y + ty.
// `t1.concatenating(t2)` applies t1 first, then t2. The "ed" builders (scaledBy, translatedBy, rotated)
// apply the new step before the existing transform, as the graphics model's scale/translate/rotate do.

#include "platform/graphics/CGRect.h"

#include <cairo.h>
#include <iosfwd>

namespace platform {

struct CGAffineTransform {
    CGFloat a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

    static constexpr CGAffineTransform identity() { return {}; }
    static constexpr CGAffineTransform makeScale(CGFloat sx, CGFloat sy) { return {sx, 0, 0, sy, 0, 0}; }
    static constexpr CGAffineTransform makeTranslation(CGFloat dx, CGFloat dy) { return {1, 0, 0, 1, dx, dy}; }
    // Angle in radians; positive turns +x toward +y (clockwise on a y-down screen).
    static CGAffineTransform makeRotation(CGFloat angle);

    bool isIdentity() const { return *this == identity(); }
    CGAffineTransform concatenating(const CGAffineTransform& then) const;
    CGAffineTransform scaledBy(CGFloat sx, CGFloat sy) const;
    CGAffineTransform translatedBy(CGFloat dx, CGFloat dy) const;
    CGAffineTransform rotated(CGFloat angle) const;
    // The inverse; a transform that cannot be inverted (zero determinant) is returned unchanged.
    CGAffineTransform inverted() const;
    bool isInvertible() const;

    CGPoint apply(CGPoint point) const;
    // Applies the linear part only (no translation).
    CGSize apply(CGSize size) const;
    // The bounding box of the four transformed corners; null stays null.
    CGRect apply(const CGRect& rect) const;

    cairo_matrix_t toCairoMatrix() const;
    static CGAffineTransform fromCairoMatrix(const cairo_matrix_t& m);

    bool operator==(const CGAffineTransform&) const = default;
};

// Written as "[a, b, c, d, tx, ty]".
std::ostream& operator<<(std::ostream& out, const CGAffineTransform& transform);

} // namespace platform
