#pragma once
// The attributes and relations of layout constraints, with the raw values the toolkit uses.
// Leading and trailing mean left and right: layouts run left to right only.
#include <string_view>

namespace platform {

enum class NSLayoutAttribute {
    notAnAttribute = 0,
    left = 1,
    right = 2,
    top = 3,
    bottom = 4,
    leading = 5,
    trailing = 6,
    width = 7,
    height = 8,
    centerX = 9,
    centerY = 10,
};

enum class NSLayoutRelation {
    lessThanOrEqual = -1,
    equal = 0,
    greaterThanOrEqual = 1,
};

// Width and height.
constexpr bool isSizeAttribute(NSLayoutAttribute attribute)
{
    return attribute == NSLayoutAttribute::width || attribute == NSLayoutAttribute::height;
}

// Left, right, leading, trailing, centre X.
constexpr bool isHorizontalPosition(NSLayoutAttribute attribute)
{
    switch (attribute) {
    case NSLayoutAttribute::left:
    case NSLayoutAttribute::right:
    case NSLayoutAttribute::leading:
    case NSLayoutAttribute::trailing:
    case NSLayoutAttribute::centerX: return true;
    default: return false;
    }
}

// Top, bottom, centre Y.
constexpr bool isVerticalPosition(NSLayoutAttribute attribute)
{
    return attribute == NSLayoutAttribute::top || attribute == NSLayoutAttribute::bottom ||
           attribute == NSLayoutAttribute::centerY;
}

// "left", "centerX", ... ("notAnAttribute" for anything else).
std::string_view attributeName(NSLayoutAttribute attribute);
// "<=", "==", ">=".
std::string_view relationSymbol(NSLayoutRelation relation);

} // namespace platform
