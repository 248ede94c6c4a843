#pragma once
// Small frame helpers shared by the parts of ConstraintTree. Internal.
#include "platform/graphics/CGRect.h"

#include <array>
#include <cmath>

namespace platform::constraintgeometry {

// Frames are compared with a tolerance: a frame applied through centre and bounds may come back
// a rounding error away from the rectangle that was applied.
inline constexpr double frameTolerance = 1e-6;

inline bool near(double a, double b)
{
    return std::fabs(a - b) <= frameTolerance;
}

inline bool sameRect(const CGRect& a, const CGRect& b)
{
    return near(a.origin.x, b.origin.x) && near(a.origin.y, b.origin.y) && near(a.size.width, b.size.width) &&
           near(a.size.height, b.size.height);
}

// left, top, width, height: the order of an item's variables.
inline std::array<double, 4> valuesOf(const CGRect& frame)
{
    return {frame.origin.x, frame.origin.y, frame.size.width, frame.size.height};
}

} // namespace platform::constraintgeometry
