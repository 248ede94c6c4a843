// Text forms of the geometry and colour values, for test failures and debug dumps.
#include "platform/foundation/ClassicNumbers.h"
#include "platform/graphics/CGAffineTransform.h"
#include "platform/graphics/CGRect.h"
#include "platform/graphics/UIColor.h"

#include <ostream>

namespace platform {

namespace {

// The shortest text that reads back as the same double ("100", "0.1", "-2.5e-07").
struct Number {
    CGFloat value;
};

std::ostream& operator<<(std::ostream& out, Number number)
{
    return out << classicNumber(number.value);
}

} // namespace

std::ostream& operator<<(std::ostream& out, CGPoint point)
{
    return out << '{' << Number{point.x} << ", " << Number{point.y} << '}';
}

std::ostream& operator<<(std::ostream& out, CGSize size)
{
    return out << '{' << Number{size.width} << ", " << Number{size.height} << '}';
}

std::ostream& operator<<(std::ostream& out, const UIEdgeInsets& insets)
{
    return out << '{' << Number{insets.top} << ", " << Number{insets.left} << ", " << Number{insets.bottom} << ", "
               << Number{insets.right} << '}';
}

std::ostream& operator<<(std::ostream& out, const CGRect& rect)
{
    return out << '{' << rect.origin << ", " << rect.size << '}';
}

std::ostream& operator<<(std::ostream& out, const CGAffineTransform& t)
{
    return out << '[' << Number{t.a} << ", " << Number{t.b} << ", " << Number{t.c} << ", " << Number{t.d} << ", "
               << Number{t.tx} << ", " << Number{t.ty} << ']';
}

std::ostream& operator<<(std::ostream& out, const UIColor& color)
{
    return out << "UIColor(" << Number{color.redComponent()} << ", " << Number{color.greenComponent()} << ", "
               << Number{color.blueComponent()} << ", " << Number{color.alphaComponent()} << ')';
}

void PrintTo(const UIColorPtr& color, std::ostream* out)
{
    if (color)
        *out << *color;
    else
        *out << "nil";
}

} // namespace platform
