#pragma once
// A point in a two-dimensional coordinate space with y growing downward.

#include "platform/graphics/CGFloat.h"

#include <iosfwd>

namespace platform {

struct CGPoint {
    CGFloat x = 0;
    CGFloat y = 0;

    static constexpr CGPoint zero() { return {}; }
    bool operator==(const CGPoint&) const = default;
};

// Written as "{x, y}" with the shortest exact numbers (GoogleTest prints failing values with it).
std::ostream& operator<<(std::ostream& out, CGPoint point);

} // namespace platform
