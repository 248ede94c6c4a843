#include "platform/graphics/CGRect.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {

CGRect CGRect::null()
{
    constexpr CGFloat inf = std::numeric_limits<CGFloat>::infinity();
    return CGRect(inf, inf, 0, 0);
}

CGFloat CGRect::minX() const
{
    return std::min(origin.x, origin.x + size.width);
}
CGFloat CGRect::maxX() const
{
    return std::max(origin.x, origin.x + size.width);
}
CGFloat CGRect::midX() const
{
    return origin.x + size.width / 2;
}
CGFloat CGRect::minY() const
{
    return std::min(origin.y, origin.y + size.height);
}
CGFloat CGRect::maxY() const
{
    return std::max(origin.y, origin.y + size.height);
}
CGFloat CGRect::midY() const
{
    return origin.y + size.height / 2;
}
CGFloat CGRect::width() const
{
    return std::fabs(size.width);
}
CGFloat CGRect::height() const
{
    return std::fabs(size.height);
}

bool CGRect::isNull() const
{
    return std::isinf(origin.x) || std::isinf(origin.y);
}

bool CGRect::isEmpty() const
{
    return isNull() || size.width == 0 || size.height == 0;
}

CGRect CGRect::standardized() const
{
    if (isNull())
        return null();
    return CGRect(minX(), minY(), width(), height());
}

CGRect CGRect::insetBy(CGFloat dx, CGFloat dy) const
{
    if (isNull())
        return null();
    CGRect r = standardized();
    CGRect inset(r.origin.x + dx, r.origin.y + dy, r.size.width - 2 * dx, r.size.height - 2 * dy);
    if (inset.size.width < 0 || inset.size.height < 0)
        return null();
    return inset;
}

CGRect CGRect::insetBy(const UIEdgeInsets& insets) const
{
    return CGRect(origin.x + insets.left, origin.y + insets.top, size.width - insets.left - insets.right,
                  size.height - insets.top - insets.bottom);
}

CGRect CGRect::offsetBy(CGFloat dx, CGFloat dy) const
{
    if (isNull())
        return null();
    CGRect r = standardized();
    return CGRect(r.origin.x + dx, r.origin.y + dy, r.size.width, r.size.height);
}

CGRect CGRect::intersection(const CGRect& other) const
{
    if (isNull() || other.isNull())
        return null();
    CGFloat x1 = std::max(minX(), other.minX());
    CGFloat x2 = std::min(maxX(), other.maxX());
    CGFloat y1 = std::max(minY(), other.minY());
    CGFloat y2 = std::min(maxY(), other.maxY());
    if (x1 > x2 || y1 > y2)
        return null();
    return CGRect(x1, y1, x2 - x1, y2 - y1);
}

CGRect CGRect::unionWith(const CGRect& other) const
{
    if (isNull())
        return other.standardized();
    if (other.isNull())
        return standardized();
    CGFloat x1 = std::min(minX(), other.minX());
    CGFloat x2 = std::max(maxX(), other.maxX());
    CGFloat y1 = std::min(minY(), other.minY());
    CGFloat y2 = std::max(maxY(), other.maxY());
    return CGRect(x1, y1, x2 - x1, y2 - y1);
}

bool CGRect::intersects(const CGRect& other) const
{
    CGRect overlap = intersection(other);
    return !overlap.isEmpty();
}

bool CGRect::contains(CGPoint point) const
{
    if (isNull())
        return false;
    return point.x >= minX() && point.x < maxX() && point.y >= minY() && point.y < maxY();
}

bool CGRect::contains(const CGRect& other) const
{
    if (isNull() || other.isNull())
        return false;
    return other.minX() >= minX() && other.maxX() <= maxX() && other.minY() >= minY() && other.maxY() <= maxY();
}

CGRect CGRect::integral() const
{
    if (isNull())
        return null();
    CGFloat x1 = std::floor(minX());
    CGFloat y1 = std::floor(minY());
    CGFloat x2 = std::ceil(maxX());
    CGFloat y2 = std::ceil(maxY());
    return CGRect(x1, y1, x2 - x1, y2 - y1);
}

bool CGRect::operator==(const CGRect& other) const
{
    if (isNull() || other.isNull())
        return isNull() == other.isNull();
    CGRect a = standardized();
    CGRect b = other.standardized();
    return a.origin == b.origin && a.size == b.size;
}

} // namespace platform
