#pragma once
// A rectangle: origin and size in points. A negative width or height is allowed; the edge accessors and
// the operations below work on the standardised rectangle (non-negative size), as the 2-D graphics model
// does. The null rectangle (no rectangle at all, e.g. the intersection of disjoint rectangles) is distinct
// from an empty one (zero width or height at some place).

#include "platform/graphics/CGPoint.h"
#include "platform/graphics/CGSize.h"
#include "platform/graphics/UIEdgeInsets.h"

#include <iosfwd>

namespace platform {

struct CGRect {
    CGPoint origin;
    CGSize size;

    constexpr CGRect() = default;
    constexpr CGRect(CGPoint o, CGSize s) : origin(o), size(s) {}
    constexpr CGRect(CGFloat x, CGFloat y, CGFloat width, CGFloat height) : origin{x, y}, size{width, height} {}

    static constexpr CGRect zero() { return {}; }
    // The rectangle that stands for "no rectangle" (origin at infinity, size zero).
    static CGRect null();

    CGFloat minX() const;
    CGFloat midX() const;
    CGFloat maxX() const;
    CGFloat minY() const;
    CGFloat midY() const;
    CGFloat maxY() const;
    CGFloat width() const;  // non-negative
    CGFloat height() const; // non-negative

    bool isNull() const;
    // True for the null rectangle and for a rectangle of zero width or height.
    bool isEmpty() const;

    // The same rectangle with a non-negative width and height.
    CGRect standardized() const;
    // Moves each edge inward by dx / dy (outward when negative); null when the result would have a
    // negative width or height, or when this is null.
    CGRect insetBy(CGFloat dx, CGFloat dy) const;
    // Moves each edge inward by the inset of that edge; the result may have a negative size, as with
    // the UI toolkit's inset-by-edge-insets operation.
    CGRect insetBy(const UIEdgeInsets& insets) const;
    CGRect offsetBy(CGFloat dx, CGFloat dy) const;
    // The overlap of the two rectangles; null when they do not overlap. Rectangles that only touch give a
    // rectangle of zero width or height along the shared edge.
    CGRect intersection(const CGRect& other) const;
    // The smallest rectangle holding both; a null operand is ignored.
    CGRect unionWith(const CGRect& other) const;
    bool intersects(const CGRect& other) const;
    // Half-open test: the minimum edges belong to the rectangle, the maximum edges do not.
    bool contains(CGPoint point) const;
    // True when the other rectangle lies wholly inside this one (edges may coincide).
    bool contains(const CGRect& other) const;
    // The smallest rectangle with whole-number coordinates holding this one (origin floored, far edges
    // ceiled); null stays null.
    CGRect integral() const;

    // Equality of the standardised rectangles; all null rectangles are equal.
    bool operator==(const CGRect& other) const;
};

// Written as "{{x, y}, {width, height}}".
std::ostream& operator<<(std::ostream& out, const CGRect& rect);

} // namespace platform
